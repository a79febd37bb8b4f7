bench/CMakeFiles/sondalog_bench.dir/sondalog_bench_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/bench/sondalog_bench_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

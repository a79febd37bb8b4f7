bench/CMakeFiles/sondalog_open_bench.dir/sondalog_open_bench_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/bench/sondalog_open_bench_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

src/charts/CMakeFiles/sondalog_charts.dir/sondalog_charts_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/charts/sondalog_charts_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

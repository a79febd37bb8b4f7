src/util/CMakeFiles/sondalog_util.dir/sondalog_util_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/util/sondalog_util_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

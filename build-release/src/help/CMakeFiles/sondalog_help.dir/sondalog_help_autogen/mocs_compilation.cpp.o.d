src/help/CMakeFiles/sondalog_help.dir/sondalog_help_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/help/sondalog_help_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

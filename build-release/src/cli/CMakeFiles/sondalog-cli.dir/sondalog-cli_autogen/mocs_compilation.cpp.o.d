src/cli/CMakeFiles/sondalog-cli.dir/sondalog-cli_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/cli/sondalog-cli_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

src/processing/CMakeFiles/sondalog_processing.dir/sondalog_processing_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/processing/sondalog_processing_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

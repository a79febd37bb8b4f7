src/recording/CMakeFiles/sondalog_recording.dir/sondalog_recording_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/recording/sondalog_recording_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

src/instrument/CMakeFiles/sondalog_instrument.dir/sondalog_instrument_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/instrument/sondalog_instrument_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

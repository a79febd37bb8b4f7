src/app/CMakeFiles/sondalog_app.dir/sondalog_app_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/app/sondalog_app_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

src/plot/CMakeFiles/sondalog_plot.dir/sondalog_plot_autogen/mocs_compilation.cpp.o: \
 /work/main/build-release/src/plot/sondalog_plot_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h

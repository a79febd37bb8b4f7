file(REMOVE_RECURSE
  "CMakeFiles/sondalog_plot_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_plot_autogen.dir/ParseCache.txt"
  "sondalog_plot_autogen"
  "CMakeFiles/sondalog_plot.dir/axis_controls.cpp.o"
  "CMakeFiles/sondalog_plot.dir/axis_controls.cpp.o.d"
  "CMakeFiles/sondalog_plot.dir/graph_painter.cpp.o"
  "CMakeFiles/sondalog_plot.dir/graph_painter.cpp.o.d"
  "CMakeFiles/sondalog_plot.dir/sondalog_plot_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_plot.dir/sondalog_plot_autogen/mocs_compilation.cpp.o.d"
  "libsondalog_plot.a"
  "libsondalog_plot.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_plot.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

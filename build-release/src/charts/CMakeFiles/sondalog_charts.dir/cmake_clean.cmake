file(REMOVE_RECURSE
  "CMakeFiles/sondalog_charts_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_charts_autogen.dir/ParseCache.txt"
  "sondalog_charts_autogen"
  "CMakeFiles/sondalog_charts.dir/chart_packets.cpp.o"
  "CMakeFiles/sondalog_charts.dir/chart_packets.cpp.o.d"
  "CMakeFiles/sondalog_charts.dir/sondalog_charts_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_charts.dir/sondalog_charts_autogen/mocs_compilation.cpp.o.d"
  "libsondalog_charts.a"
  "libsondalog_charts.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_charts.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

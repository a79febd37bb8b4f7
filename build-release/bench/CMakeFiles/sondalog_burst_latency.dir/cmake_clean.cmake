file(REMOVE_RECURSE
  "../bin/sondalog_burst_latency"
  "../bin/sondalog_burst_latency.pdb"
  "CMakeFiles/sondalog_burst_latency_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_burst_latency_autogen.dir/ParseCache.txt"
  "sondalog_burst_latency_autogen"
  "CMakeFiles/sondalog_burst_latency.dir/burst_latency.cpp.o"
  "CMakeFiles/sondalog_burst_latency.dir/burst_latency.cpp.o.d"
  "CMakeFiles/sondalog_burst_latency.dir/sondalog_burst_latency_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_burst_latency.dir/sondalog_burst_latency_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_burst_latency.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

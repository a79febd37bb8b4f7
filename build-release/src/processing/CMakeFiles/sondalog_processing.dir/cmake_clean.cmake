file(REMOVE_RECURSE
  "CMakeFiles/sondalog_processing_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_processing_autogen.dir/ParseCache.txt"
  "sondalog_processing_autogen"
  "CMakeFiles/sondalog_processing.dir/axis_scale.cpp.o"
  "CMakeFiles/sondalog_processing.dir/axis_scale.cpp.o.d"
  "CMakeFiles/sondalog_processing.dir/decimals.cpp.o"
  "CMakeFiles/sondalog_processing.dir/decimals.cpp.o.d"
  "CMakeFiles/sondalog_processing.dir/process_reading.cpp.o"
  "CMakeFiles/sondalog_processing.dir/process_reading.cpp.o.d"
  "CMakeFiles/sondalog_processing.dir/processing_state.cpp.o"
  "CMakeFiles/sondalog_processing.dir/processing_state.cpp.o.d"
  "CMakeFiles/sondalog_processing.dir/sample_series.cpp.o"
  "CMakeFiles/sondalog_processing.dir/sample_series.cpp.o.d"
  "CMakeFiles/sondalog_processing.dir/sondalog_processing_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_processing.dir/sondalog_processing_autogen/mocs_compilation.cpp.o.d"
  "libsondalog_processing.a"
  "libsondalog_processing.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_processing.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

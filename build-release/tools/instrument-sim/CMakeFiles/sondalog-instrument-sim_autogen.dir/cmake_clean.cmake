file(REMOVE_RECURSE
  "CMakeFiles/sondalog-instrument-sim_autogen"
  "sondalog-instrument-sim_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog-instrument-sim_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

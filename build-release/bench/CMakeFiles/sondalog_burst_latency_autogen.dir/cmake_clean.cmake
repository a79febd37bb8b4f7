file(REMOVE_RECURSE
  "CMakeFiles/sondalog_burst_latency_autogen"
  "sondalog_burst_latency_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog_burst_latency_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

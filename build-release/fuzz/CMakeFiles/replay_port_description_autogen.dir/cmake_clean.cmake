file(REMOVE_RECURSE
  "CMakeFiles/replay_port_description_autogen"
  "replay_port_description_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/replay_port_description_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

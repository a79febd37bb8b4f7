file(REMOVE_RECURSE
  "CMakeFiles/replay_process_reading_autogen"
  "replay_process_reading_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/replay_process_reading_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

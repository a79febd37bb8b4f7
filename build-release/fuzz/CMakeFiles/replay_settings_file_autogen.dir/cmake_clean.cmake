file(REMOVE_RECURSE
  "CMakeFiles/replay_settings_file_autogen"
  "replay_settings_file_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/replay_settings_file_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

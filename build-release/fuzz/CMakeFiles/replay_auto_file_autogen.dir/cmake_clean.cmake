file(REMOVE_RECURSE
  "CMakeFiles/replay_auto_file_autogen"
  "replay_auto_file_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/replay_auto_file_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

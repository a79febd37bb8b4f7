file(REMOVE_RECURSE
  "CMakeFiles/replay_settings_file_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_settings_file_autogen.dir/ParseCache.txt"
  "replay_settings_file_autogen"
  "CMakeFiles/replay_settings_file.dir/fuzz_settings_file.cpp.o"
  "CMakeFiles/replay_settings_file.dir/fuzz_settings_file.cpp.o.d"
  "CMakeFiles/replay_settings_file.dir/replay_main.cpp.o"
  "CMakeFiles/replay_settings_file.dir/replay_main.cpp.o.d"
  "CMakeFiles/replay_settings_file.dir/replay_settings_file_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_settings_file.dir/replay_settings_file_autogen/mocs_compilation.cpp.o.d"
  "replay_settings_file"
  "replay_settings_file.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_settings_file.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

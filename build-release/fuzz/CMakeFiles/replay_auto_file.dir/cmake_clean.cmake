file(REMOVE_RECURSE
  "CMakeFiles/replay_auto_file_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_auto_file_autogen.dir/ParseCache.txt"
  "replay_auto_file_autogen"
  "CMakeFiles/replay_auto_file.dir/fuzz_auto_file.cpp.o"
  "CMakeFiles/replay_auto_file.dir/fuzz_auto_file.cpp.o.d"
  "CMakeFiles/replay_auto_file.dir/replay_auto_file_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_auto_file.dir/replay_auto_file_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/replay_auto_file.dir/replay_main.cpp.o"
  "CMakeFiles/replay_auto_file.dir/replay_main.cpp.o.d"
  "replay_auto_file"
  "replay_auto_file.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_auto_file.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

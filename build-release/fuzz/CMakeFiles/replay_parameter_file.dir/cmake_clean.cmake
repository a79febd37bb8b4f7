file(REMOVE_RECURSE
  "CMakeFiles/replay_parameter_file_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_parameter_file_autogen.dir/ParseCache.txt"
  "replay_parameter_file_autogen"
  "CMakeFiles/replay_parameter_file.dir/fuzz_parameter_file.cpp.o"
  "CMakeFiles/replay_parameter_file.dir/fuzz_parameter_file.cpp.o.d"
  "CMakeFiles/replay_parameter_file.dir/replay_main.cpp.o"
  "CMakeFiles/replay_parameter_file.dir/replay_main.cpp.o.d"
  "CMakeFiles/replay_parameter_file.dir/replay_parameter_file_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_parameter_file.dir/replay_parameter_file_autogen/mocs_compilation.cpp.o.d"
  "replay_parameter_file"
  "replay_parameter_file.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_parameter_file.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

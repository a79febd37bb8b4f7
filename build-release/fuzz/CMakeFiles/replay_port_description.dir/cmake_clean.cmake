file(REMOVE_RECURSE
  "CMakeFiles/replay_port_description_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_port_description_autogen.dir/ParseCache.txt"
  "replay_port_description_autogen"
  "CMakeFiles/replay_port_description.dir/fuzz_port_description.cpp.o"
  "CMakeFiles/replay_port_description.dir/fuzz_port_description.cpp.o.d"
  "CMakeFiles/replay_port_description.dir/replay_main.cpp.o"
  "CMakeFiles/replay_port_description.dir/replay_main.cpp.o.d"
  "CMakeFiles/replay_port_description.dir/replay_port_description_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_port_description.dir/replay_port_description_autogen/mocs_compilation.cpp.o.d"
  "replay_port_description"
  "replay_port_description.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_port_description.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

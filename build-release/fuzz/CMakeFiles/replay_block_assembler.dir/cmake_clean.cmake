file(REMOVE_RECURSE
  "CMakeFiles/replay_block_assembler_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_block_assembler_autogen.dir/ParseCache.txt"
  "replay_block_assembler_autogen"
  "CMakeFiles/replay_block_assembler.dir/fuzz_block_assembler.cpp.o"
  "CMakeFiles/replay_block_assembler.dir/fuzz_block_assembler.cpp.o.d"
  "CMakeFiles/replay_block_assembler.dir/replay_block_assembler_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_block_assembler.dir/replay_block_assembler_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/replay_block_assembler.dir/replay_main.cpp.o"
  "CMakeFiles/replay_block_assembler.dir/replay_main.cpp.o.d"
  "replay_block_assembler"
  "replay_block_assembler.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_block_assembler.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

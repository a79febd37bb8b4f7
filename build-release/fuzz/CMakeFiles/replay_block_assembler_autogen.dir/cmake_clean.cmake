file(REMOVE_RECURSE
  "CMakeFiles/replay_block_assembler_autogen"
  "replay_block_assembler_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/replay_block_assembler_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

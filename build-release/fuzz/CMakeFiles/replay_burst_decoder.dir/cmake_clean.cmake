file(REMOVE_RECURSE
  "CMakeFiles/replay_burst_decoder_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_burst_decoder_autogen.dir/ParseCache.txt"
  "replay_burst_decoder_autogen"
  "CMakeFiles/replay_burst_decoder.dir/fuzz_burst_decoder.cpp.o"
  "CMakeFiles/replay_burst_decoder.dir/fuzz_burst_decoder.cpp.o.d"
  "CMakeFiles/replay_burst_decoder.dir/replay_burst_decoder_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_burst_decoder.dir/replay_burst_decoder_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/replay_burst_decoder.dir/replay_main.cpp.o"
  "CMakeFiles/replay_burst_decoder.dir/replay_main.cpp.o.d"
  "replay_burst_decoder"
  "replay_burst_decoder.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_burst_decoder.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

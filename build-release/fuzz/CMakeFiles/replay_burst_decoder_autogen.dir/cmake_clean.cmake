file(REMOVE_RECURSE
  "CMakeFiles/replay_burst_decoder_autogen"
  "replay_burst_decoder_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/replay_burst_decoder_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "CMakeFiles/replay_own_recording_autogen"
  "replay_own_recording_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/replay_own_recording_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "CMakeFiles/replay_own_recording_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_own_recording_autogen.dir/ParseCache.txt"
  "replay_own_recording_autogen"
  "CMakeFiles/replay_own_recording.dir/fuzz_own_recording.cpp.o"
  "CMakeFiles/replay_own_recording.dir/fuzz_own_recording.cpp.o.d"
  "CMakeFiles/replay_own_recording.dir/replay_main.cpp.o"
  "CMakeFiles/replay_own_recording.dir/replay_main.cpp.o.d"
  "CMakeFiles/replay_own_recording.dir/replay_own_recording_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_own_recording.dir/replay_own_recording_autogen/mocs_compilation.cpp.o.d"
  "replay_own_recording"
  "replay_own_recording.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_own_recording.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

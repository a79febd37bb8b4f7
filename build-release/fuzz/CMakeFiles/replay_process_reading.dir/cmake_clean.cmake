file(REMOVE_RECURSE
  "CMakeFiles/replay_process_reading_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/replay_process_reading_autogen.dir/ParseCache.txt"
  "replay_process_reading_autogen"
  "CMakeFiles/replay_process_reading.dir/fuzz_process_reading.cpp.o"
  "CMakeFiles/replay_process_reading.dir/fuzz_process_reading.cpp.o.d"
  "CMakeFiles/replay_process_reading.dir/replay_main.cpp.o"
  "CMakeFiles/replay_process_reading.dir/replay_main.cpp.o.d"
  "CMakeFiles/replay_process_reading.dir/replay_process_reading_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/replay_process_reading.dir/replay_process_reading_autogen/mocs_compilation.cpp.o.d"
  "replay_process_reading"
  "replay_process_reading.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/replay_process_reading.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

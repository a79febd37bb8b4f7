file(REMOVE_RECURSE
  "CMakeFiles/sondalog_recording_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_recording_autogen.dir/ParseCache.txt"
  "sondalog_recording_autogen"
  "CMakeFiles/sondalog_recording.dir/recording_name.cpp.o"
  "CMakeFiles/sondalog_recording.dir/recording_name.cpp.o.d"
  "CMakeFiles/sondalog_recording.dir/recording_writer.cpp.o"
  "CMakeFiles/sondalog_recording.dir/recording_writer.cpp.o.d"
  "CMakeFiles/sondalog_recording.dir/run_journal.cpp.o"
  "CMakeFiles/sondalog_recording.dir/run_journal.cpp.o.d"
  "CMakeFiles/sondalog_recording.dir/sondalog_recording_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_recording.dir/sondalog_recording_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/sondalog_recording.dir/stored_file_load.cpp.o"
  "CMakeFiles/sondalog_recording.dir/stored_file_load.cpp.o.d"
  "CMakeFiles/sondalog_recording.dir/stored_files.cpp.o"
  "CMakeFiles/sondalog_recording.dir/stored_files.cpp.o.d"
  "libsondalog_recording.a"
  "libsondalog_recording.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_recording.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

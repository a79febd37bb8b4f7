file(REMOVE_RECURSE
  "CMakeFiles/sondalog_acquisition_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_acquisition_autogen.dir/ParseCache.txt"
  "sondalog_acquisition_autogen"
  "CMakeFiles/sondalog_acquisition.dir/acquisition_session.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/acquisition_session.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/block_assembler.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/block_assembler.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/block_resync.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/block_resync.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/block_stamps.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/block_stamps.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/character_decoder.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/character_decoder.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/countdown.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/countdown.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/demo_generator.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/demo_generator.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/reading_run.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/reading_run.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/sondalog_acquisition_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/sondalog_acquisition_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/sondalog_acquisition.dir/stored_lines.cpp.o"
  "CMakeFiles/sondalog_acquisition.dir/stored_lines.cpp.o.d"
  "libsondalog_acquisition.a"
  "libsondalog_acquisition.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_acquisition.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

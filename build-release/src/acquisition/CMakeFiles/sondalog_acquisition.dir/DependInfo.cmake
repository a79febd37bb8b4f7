
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/acquisition/acquisition_session.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/acquisition_session.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/acquisition_session.cpp.o.d"
  "/work/main/src/acquisition/block_assembler.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/block_assembler.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/block_assembler.cpp.o.d"
  "/work/main/src/acquisition/block_resync.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/block_resync.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/block_resync.cpp.o.d"
  "/work/main/src/acquisition/block_stamps.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/block_stamps.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/block_stamps.cpp.o.d"
  "/work/main/src/acquisition/character_decoder.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/character_decoder.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/character_decoder.cpp.o.d"
  "/work/main/src/acquisition/countdown.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/countdown.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/countdown.cpp.o.d"
  "/work/main/src/acquisition/demo_generator.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/demo_generator.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/demo_generator.cpp.o.d"
  "/work/main/src/acquisition/reading_run.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/reading_run.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/reading_run.cpp.o.d"
  "/work/main/build-release/src/acquisition/sondalog_acquisition_autogen/mocs_compilation.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/sondalog_acquisition_autogen/mocs_compilation.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/sondalog_acquisition_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/acquisition/stored_lines.cpp" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/stored_lines.cpp.o" "gcc" "src/acquisition/CMakeFiles/sondalog_acquisition.dir/stored_lines.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

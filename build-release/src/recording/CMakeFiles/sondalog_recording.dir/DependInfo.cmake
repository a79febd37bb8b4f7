
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/recording/recording_name.cpp" "src/recording/CMakeFiles/sondalog_recording.dir/recording_name.cpp.o" "gcc" "src/recording/CMakeFiles/sondalog_recording.dir/recording_name.cpp.o.d"
  "/work/main/src/recording/recording_writer.cpp" "src/recording/CMakeFiles/sondalog_recording.dir/recording_writer.cpp.o" "gcc" "src/recording/CMakeFiles/sondalog_recording.dir/recording_writer.cpp.o.d"
  "/work/main/src/recording/run_journal.cpp" "src/recording/CMakeFiles/sondalog_recording.dir/run_journal.cpp.o" "gcc" "src/recording/CMakeFiles/sondalog_recording.dir/run_journal.cpp.o.d"
  "/work/main/build-release/src/recording/sondalog_recording_autogen/mocs_compilation.cpp" "src/recording/CMakeFiles/sondalog_recording.dir/sondalog_recording_autogen/mocs_compilation.cpp.o" "gcc" "src/recording/CMakeFiles/sondalog_recording.dir/sondalog_recording_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/recording/stored_file_load.cpp" "src/recording/CMakeFiles/sondalog_recording.dir/stored_file_load.cpp.o" "gcc" "src/recording/CMakeFiles/sondalog_recording.dir/stored_file_load.cpp.o.d"
  "/work/main/src/recording/stored_files.cpp" "src/recording/CMakeFiles/sondalog_recording.dir/stored_files.cpp.o" "gcc" "src/recording/CMakeFiles/sondalog_recording.dir/stored_files.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

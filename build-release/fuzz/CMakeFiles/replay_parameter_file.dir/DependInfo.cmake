
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/fuzz/fuzz_parameter_file.cpp" "fuzz/CMakeFiles/replay_parameter_file.dir/fuzz_parameter_file.cpp.o" "gcc" "fuzz/CMakeFiles/replay_parameter_file.dir/fuzz_parameter_file.cpp.o.d"
  "/work/main/fuzz/replay_main.cpp" "fuzz/CMakeFiles/replay_parameter_file.dir/replay_main.cpp.o" "gcc" "fuzz/CMakeFiles/replay_parameter_file.dir/replay_main.cpp.o.d"
  "/work/main/build-release/fuzz/replay_parameter_file_autogen/mocs_compilation.cpp" "fuzz/CMakeFiles/replay_parameter_file.dir/replay_parameter_file_autogen/mocs_compilation.cpp.o" "gcc" "fuzz/CMakeFiles/replay_parameter_file.dir/replay_parameter_file_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

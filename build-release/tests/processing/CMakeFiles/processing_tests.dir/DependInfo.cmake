
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/processing/axis_scale_test.cpp" "tests/processing/CMakeFiles/processing_tests.dir/axis_scale_test.cpp.o" "gcc" "tests/processing/CMakeFiles/processing_tests.dir/axis_scale_test.cpp.o.d"
  "/work/main/tests/processing/process_reading_test.cpp" "tests/processing/CMakeFiles/processing_tests.dir/process_reading_test.cpp.o" "gcc" "tests/processing/CMakeFiles/processing_tests.dir/process_reading_test.cpp.o.d"
  "/work/main/build-release/tests/processing/processing_tests_autogen/mocs_compilation.cpp" "tests/processing/CMakeFiles/processing_tests.dir/processing_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/processing/CMakeFiles/processing_tests.dir/processing_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")


# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-release/tests/acquisition/acquisition_tests_autogen/mocs_compilation.cpp" "tests/acquisition/CMakeFiles/acquisition_tests.dir/acquisition_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/acquisition/CMakeFiles/acquisition_tests.dir/acquisition_tests_autogen/mocs_compilation.cpp.o.d"
  "/work/main/tests/acquisition/block_assembler_test.cpp" "tests/acquisition/CMakeFiles/acquisition_tests.dir/block_assembler_test.cpp.o" "gcc" "tests/acquisition/CMakeFiles/acquisition_tests.dir/block_assembler_test.cpp.o.d"
  "/work/main/tests/acquisition/block_limits_test.cpp" "tests/acquisition/CMakeFiles/acquisition_tests.dir/block_limits_test.cpp.o" "gcc" "tests/acquisition/CMakeFiles/acquisition_tests.dir/block_limits_test.cpp.o.d"
  "/work/main/tests/acquisition/character_decoder_test.cpp" "tests/acquisition/CMakeFiles/acquisition_tests.dir/character_decoder_test.cpp.o" "gcc" "tests/acquisition/CMakeFiles/acquisition_tests.dir/character_decoder_test.cpp.o.d"
  "/work/main/tests/acquisition/demo_generator_test.cpp" "tests/acquisition/CMakeFiles/acquisition_tests.dir/demo_generator_test.cpp.o" "gcc" "tests/acquisition/CMakeFiles/acquisition_tests.dir/demo_generator_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

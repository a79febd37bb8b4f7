
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/instrument/instrument_config_test.cpp" "tests/instrument/CMakeFiles/instrument_tests.dir/instrument_config_test.cpp.o" "gcc" "tests/instrument/CMakeFiles/instrument_tests.dir/instrument_config_test.cpp.o.d"
  "/work/main/build-release/tests/instrument/instrument_tests_autogen/mocs_compilation.cpp" "tests/instrument/CMakeFiles/instrument_tests.dir/instrument_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/instrument/CMakeFiles/instrument_tests.dir/instrument_tests_autogen/mocs_compilation.cpp.o.d"
  "/work/main/tests/instrument/parameter_file_test.cpp" "tests/instrument/CMakeFiles/instrument_tests.dir/parameter_file_test.cpp.o" "gcc" "tests/instrument/CMakeFiles/instrument_tests.dir/parameter_file_test.cpp.o.d"
  "/work/main/tests/instrument/table_editing_test.cpp" "tests/instrument/CMakeFiles/instrument_tests.dir/table_editing_test.cpp.o" "gcc" "tests/instrument/CMakeFiles/instrument_tests.dir/table_editing_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

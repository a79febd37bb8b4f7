
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/util/cp1252_test.cpp" "tests/util/CMakeFiles/util_tests.dir/cp1252_test.cpp.o" "gcc" "tests/util/CMakeFiles/util_tests.dir/cp1252_test.cpp.o.d"
  "/work/main/tests/util/line_field_test.cpp" "tests/util/CMakeFiles/util_tests.dir/line_field_test.cpp.o" "gcc" "tests/util/CMakeFiles/util_tests.dir/line_field_test.cpp.o.d"
  "/work/main/tests/util/text_utils_test.cpp" "tests/util/CMakeFiles/util_tests.dir/text_utils_test.cpp.o" "gcc" "tests/util/CMakeFiles/util_tests.dir/text_utils_test.cpp.o.d"
  "/work/main/build-release/tests/util/util_tests_autogen/mocs_compilation.cpp" "tests/util/CMakeFiles/util_tests.dir/util_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/util/CMakeFiles/util_tests.dir/util_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

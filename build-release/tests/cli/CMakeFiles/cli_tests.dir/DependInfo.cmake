
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-release/tests/cli/cli_tests_autogen/mocs_compilation.cpp" "tests/cli/CMakeFiles/cli_tests.dir/cli_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/cli/CMakeFiles/cli_tests.dir/cli_tests_autogen/mocs_compilation.cpp.o.d"
  "/work/main/tests/cli/config_command_test.cpp" "tests/cli/CMakeFiles/cli_tests.dir/config_command_test.cpp.o" "gcc" "tests/cli/CMakeFiles/cli_tests.dir/config_command_test.cpp.o.d"
  "/work/main/tests/cli/failures_test.cpp" "tests/cli/CMakeFiles/cli_tests.dir/failures_test.cpp.o" "gcc" "tests/cli/CMakeFiles/cli_tests.dir/failures_test.cpp.o.d"
  "/work/main/tests/cli/run_commands_test.cpp" "tests/cli/CMakeFiles/cli_tests.dir/run_commands_test.cpp.o" "gcc" "tests/cli/CMakeFiles/cli_tests.dir/run_commands_test.cpp.o.d"
  "/work/main/tests/cli/save_replay_test.cpp" "tests/cli/CMakeFiles/cli_tests.dir/save_replay_test.cpp.o" "gcc" "tests/cli/CMakeFiles/cli_tests.dir/save_replay_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

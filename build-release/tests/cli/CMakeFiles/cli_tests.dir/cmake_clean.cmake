file(REMOVE_RECURSE
  "../../bin/cli_tests"
  "../../bin/cli_tests.pdb"
  "CMakeFiles/cli_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/cli_tests_autogen.dir/ParseCache.txt"
  "cli_tests_autogen"
  "CMakeFiles/cli_tests.dir/cli_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/cli_tests.dir/cli_tests_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/cli_tests.dir/config_command_test.cpp.o"
  "CMakeFiles/cli_tests.dir/config_command_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/failures_test.cpp.o"
  "CMakeFiles/cli_tests.dir/failures_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/run_commands_test.cpp.o"
  "CMakeFiles/cli_tests.dir/run_commands_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/save_replay_test.cpp.o"
  "CMakeFiles/cli_tests.dir/save_replay_test.cpp.o.d"
  "cli_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/cli_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

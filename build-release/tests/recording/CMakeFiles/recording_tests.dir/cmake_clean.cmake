file(REMOVE_RECURSE
  "../../bin/recording_tests"
  "../../bin/recording_tests.pdb"
  "CMakeFiles/recording_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/recording_tests_autogen.dir/ParseCache.txt"
  "recording_tests_autogen"
  "CMakeFiles/recording_tests.dir/recording_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/recording_tests.dir/recording_tests_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/recording_tests.dir/recording_writer_test.cpp.o"
  "CMakeFiles/recording_tests.dir/recording_writer_test.cpp.o.d"
  "CMakeFiles/recording_tests.dir/run_journal_test.cpp.o"
  "CMakeFiles/recording_tests.dir/run_journal_test.cpp.o.d"
  "CMakeFiles/recording_tests.dir/stored_files_test.cpp.o"
  "CMakeFiles/recording_tests.dir/stored_files_test.cpp.o.d"
  "recording_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/recording_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

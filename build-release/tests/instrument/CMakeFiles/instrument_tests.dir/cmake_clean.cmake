file(REMOVE_RECURSE
  "../../bin/instrument_tests"
  "../../bin/instrument_tests.pdb"
  "CMakeFiles/instrument_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/instrument_tests_autogen.dir/ParseCache.txt"
  "instrument_tests_autogen"
  "CMakeFiles/instrument_tests.dir/instrument_config_test.cpp.o"
  "CMakeFiles/instrument_tests.dir/instrument_config_test.cpp.o.d"
  "CMakeFiles/instrument_tests.dir/instrument_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/instrument_tests.dir/instrument_tests_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/instrument_tests.dir/parameter_file_test.cpp.o"
  "CMakeFiles/instrument_tests.dir/parameter_file_test.cpp.o.d"
  "CMakeFiles/instrument_tests.dir/table_editing_test.cpp.o"
  "CMakeFiles/instrument_tests.dir/table_editing_test.cpp.o.d"
  "instrument_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/instrument_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

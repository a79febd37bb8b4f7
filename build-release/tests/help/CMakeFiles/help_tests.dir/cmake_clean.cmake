file(REMOVE_RECURSE
  "../../bin/help_tests"
  "../../bin/help_tests.pdb"
  "CMakeFiles/help_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/help_tests_autogen.dir/ParseCache.txt"
  "help_tests_autogen"
  "CMakeFiles/help_tests.dir/__/qt_main.cpp.o"
  "CMakeFiles/help_tests.dir/__/qt_main.cpp.o.d"
  "CMakeFiles/help_tests.dir/help_files_test.cpp.o"
  "CMakeFiles/help_tests.dir/help_files_test.cpp.o.d"
  "CMakeFiles/help_tests.dir/help_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/help_tests.dir/help_tests_autogen/mocs_compilation.cpp.o.d"
  "help_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/help_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

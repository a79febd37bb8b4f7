file(REMOVE_RECURSE
  "../../bin/app_tests"
  "../../bin/app_tests.pdb"
  "CMakeFiles/app_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/app_tests_autogen.dir/ParseCache.txt"
  "app_tests_autogen"
  "CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/app_tests.dir/choice_layout_test.cpp.o"
  "CMakeFiles/app_tests.dir/choice_layout_test.cpp.o.d"
  "CMakeFiles/app_tests.dir/run_state_test.cpp.o"
  "CMakeFiles/app_tests.dir/run_state_test.cpp.o.d"
  "CMakeFiles/app_tests.dir/settings_test.cpp.o"
  "CMakeFiles/app_tests.dir/settings_test.cpp.o.d"
  "app_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/app_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "../../bin/util_tests"
  "../../bin/util_tests.pdb"
  "CMakeFiles/util_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/util_tests_autogen.dir/ParseCache.txt"
  "util_tests_autogen"
  "CMakeFiles/util_tests.dir/cp1252_test.cpp.o"
  "CMakeFiles/util_tests.dir/cp1252_test.cpp.o.d"
  "CMakeFiles/util_tests.dir/line_field_test.cpp.o"
  "CMakeFiles/util_tests.dir/line_field_test.cpp.o.d"
  "CMakeFiles/util_tests.dir/text_utils_test.cpp.o"
  "CMakeFiles/util_tests.dir/text_utils_test.cpp.o.d"
  "CMakeFiles/util_tests.dir/util_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/util_tests.dir/util_tests_autogen/mocs_compilation.cpp.o.d"
  "util_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/util_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

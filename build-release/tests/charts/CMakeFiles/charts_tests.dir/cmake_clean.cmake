file(REMOVE_RECURSE
  "../../bin/charts_tests"
  "../../bin/charts_tests.pdb"
  "CMakeFiles/charts_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/charts_tests_autogen.dir/ParseCache.txt"
  "charts_tests_autogen"
  "CMakeFiles/charts_tests.dir/chart_packets_test.cpp.o"
  "CMakeFiles/charts_tests.dir/chart_packets_test.cpp.o.d"
  "CMakeFiles/charts_tests.dir/charts_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/charts_tests.dir/charts_tests_autogen/mocs_compilation.cpp.o.d"
  "charts_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/charts_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

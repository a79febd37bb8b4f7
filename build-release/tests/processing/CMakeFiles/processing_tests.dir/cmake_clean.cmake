file(REMOVE_RECURSE
  "../../bin/processing_tests"
  "../../bin/processing_tests.pdb"
  "CMakeFiles/processing_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/processing_tests_autogen.dir/ParseCache.txt"
  "processing_tests_autogen"
  "CMakeFiles/processing_tests.dir/axis_scale_test.cpp.o"
  "CMakeFiles/processing_tests.dir/axis_scale_test.cpp.o.d"
  "CMakeFiles/processing_tests.dir/process_reading_test.cpp.o"
  "CMakeFiles/processing_tests.dir/process_reading_test.cpp.o.d"
  "CMakeFiles/processing_tests.dir/processing_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/processing_tests.dir/processing_tests_autogen/mocs_compilation.cpp.o.d"
  "processing_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/processing_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

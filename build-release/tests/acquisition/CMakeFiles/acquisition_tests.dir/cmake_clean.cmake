file(REMOVE_RECURSE
  "../../bin/acquisition_tests"
  "../../bin/acquisition_tests.pdb"
  "CMakeFiles/acquisition_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/acquisition_tests_autogen.dir/ParseCache.txt"
  "acquisition_tests_autogen"
  "CMakeFiles/acquisition_tests.dir/acquisition_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/acquisition_tests.dir/acquisition_tests_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/acquisition_tests.dir/block_assembler_test.cpp.o"
  "CMakeFiles/acquisition_tests.dir/block_assembler_test.cpp.o.d"
  "CMakeFiles/acquisition_tests.dir/block_limits_test.cpp.o"
  "CMakeFiles/acquisition_tests.dir/block_limits_test.cpp.o.d"
  "CMakeFiles/acquisition_tests.dir/character_decoder_test.cpp.o"
  "CMakeFiles/acquisition_tests.dir/character_decoder_test.cpp.o.d"
  "CMakeFiles/acquisition_tests.dir/demo_generator_test.cpp.o"
  "CMakeFiles/acquisition_tests.dir/demo_generator_test.cpp.o.d"
  "acquisition_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/acquisition_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

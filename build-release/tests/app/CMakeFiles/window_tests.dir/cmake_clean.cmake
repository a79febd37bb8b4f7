file(REMOVE_RECURSE
  "../../bin/window_tests"
  "../../bin/window_tests.pdb"
  "CMakeFiles/window_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/window_tests_autogen.dir/ParseCache.txt"
  "window_tests_autogen"
  "CMakeFiles/window_tests.dir/__/qt_main.cpp.o"
  "CMakeFiles/window_tests.dir/__/qt_main.cpp.o.d"
  "CMakeFiles/window_tests.dir/charts_window_test.cpp.o"
  "CMakeFiles/window_tests.dir/charts_window_test.cpp.o.d"
  "CMakeFiles/window_tests.dir/main_window_test.cpp.o"
  "CMakeFiles/window_tests.dir/main_window_test.cpp.o.d"
  "CMakeFiles/window_tests.dir/parameters_window_test.cpp.o"
  "CMakeFiles/window_tests.dir/parameters_window_test.cpp.o.d"
  "CMakeFiles/window_tests.dir/stored_files_window_test.cpp.o"
  "CMakeFiles/window_tests.dir/stored_files_window_test.cpp.o.d"
  "CMakeFiles/window_tests.dir/window_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/window_tests.dir/window_tests_autogen/mocs_compilation.cpp.o.d"
  "window_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/window_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

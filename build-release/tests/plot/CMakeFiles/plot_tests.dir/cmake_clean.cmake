file(REMOVE_RECURSE
  "../../bin/plot_tests"
  "../../bin/plot_tests.pdb"
  "CMakeFiles/plot_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/plot_tests_autogen.dir/ParseCache.txt"
  "plot_tests_autogen"
  "CMakeFiles/plot_tests.dir/__/qt_main.cpp.o"
  "CMakeFiles/plot_tests.dir/__/qt_main.cpp.o.d"
  "CMakeFiles/plot_tests.dir/axis_controls_test.cpp.o"
  "CMakeFiles/plot_tests.dir/axis_controls_test.cpp.o.d"
  "CMakeFiles/plot_tests.dir/graph_painter_test.cpp.o"
  "CMakeFiles/plot_tests.dir/graph_painter_test.cpp.o.d"
  "CMakeFiles/plot_tests.dir/plot_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/plot_tests.dir/plot_tests_autogen/mocs_compilation.cpp.o.d"
  "plot_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/plot_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

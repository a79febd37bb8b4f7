file(REMOVE_RECURSE
  "../../bin/serial_tests"
  "../../bin/serial_tests.pdb"
  "CMakeFiles/serial_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/serial_tests_autogen.dir/ParseCache.txt"
  "serial_tests_autogen"
  "CMakeFiles/serial_tests.dir/__/qt_main.cpp.o"
  "CMakeFiles/serial_tests.dir/__/qt_main.cpp.o.d"
  "CMakeFiles/serial_tests.dir/journal_kill_test.cpp.o"
  "CMakeFiles/serial_tests.dir/journal_kill_test.cpp.o.d"
  "CMakeFiles/serial_tests.dir/port_description_test.cpp.o"
  "CMakeFiles/serial_tests.dir/port_description_test.cpp.o.d"
  "CMakeFiles/serial_tests.dir/port_io_test.cpp.o"
  "CMakeFiles/serial_tests.dir/port_io_test.cpp.o.d"
  "CMakeFiles/serial_tests.dir/serial_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/serial_tests.dir/serial_tests_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/serial_tests.dir/session_test.cpp.o"
  "CMakeFiles/serial_tests.dir/session_test.cpp.o.d"
  "serial_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/serial_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

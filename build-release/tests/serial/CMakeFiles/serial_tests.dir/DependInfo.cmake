
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/qt_main.cpp" "tests/serial/CMakeFiles/serial_tests.dir/__/qt_main.cpp.o" "gcc" "tests/serial/CMakeFiles/serial_tests.dir/__/qt_main.cpp.o.d"
  "/work/main/tests/serial/journal_kill_test.cpp" "tests/serial/CMakeFiles/serial_tests.dir/journal_kill_test.cpp.o" "gcc" "tests/serial/CMakeFiles/serial_tests.dir/journal_kill_test.cpp.o.d"
  "/work/main/tests/serial/port_description_test.cpp" "tests/serial/CMakeFiles/serial_tests.dir/port_description_test.cpp.o" "gcc" "tests/serial/CMakeFiles/serial_tests.dir/port_description_test.cpp.o.d"
  "/work/main/tests/serial/port_io_test.cpp" "tests/serial/CMakeFiles/serial_tests.dir/port_io_test.cpp.o" "gcc" "tests/serial/CMakeFiles/serial_tests.dir/port_io_test.cpp.o.d"
  "/work/main/build-release/tests/serial/serial_tests_autogen/mocs_compilation.cpp" "tests/serial/CMakeFiles/serial_tests.dir/serial_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/serial/CMakeFiles/serial_tests.dir/serial_tests_autogen/mocs_compilation.cpp.o.d"
  "/work/main/tests/serial/session_test.cpp" "tests/serial/CMakeFiles/serial_tests.dir/session_test.cpp.o" "gcc" "tests/serial/CMakeFiles/serial_tests.dir/session_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

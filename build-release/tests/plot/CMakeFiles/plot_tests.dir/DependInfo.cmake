
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/qt_main.cpp" "tests/plot/CMakeFiles/plot_tests.dir/__/qt_main.cpp.o" "gcc" "tests/plot/CMakeFiles/plot_tests.dir/__/qt_main.cpp.o.d"
  "/work/main/tests/plot/axis_controls_test.cpp" "tests/plot/CMakeFiles/plot_tests.dir/axis_controls_test.cpp.o" "gcc" "tests/plot/CMakeFiles/plot_tests.dir/axis_controls_test.cpp.o.d"
  "/work/main/tests/plot/graph_painter_test.cpp" "tests/plot/CMakeFiles/plot_tests.dir/graph_painter_test.cpp.o" "gcc" "tests/plot/CMakeFiles/plot_tests.dir/graph_painter_test.cpp.o.d"
  "/work/main/build-release/tests/plot/plot_tests_autogen/mocs_compilation.cpp" "tests/plot/CMakeFiles/plot_tests.dir/plot_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/plot/CMakeFiles/plot_tests.dir/plot_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/plot/CMakeFiles/sondalog_plot.dir/DependInfo.cmake"
  "/work/main/build-release/src/recording/CMakeFiles/sondalog_recording.dir/DependInfo.cmake"
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

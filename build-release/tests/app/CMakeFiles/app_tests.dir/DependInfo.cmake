
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-release/tests/app/app_tests_autogen/mocs_compilation.cpp" "tests/app/CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/app_tests_autogen/mocs_compilation.cpp.o.d"
  "/work/main/tests/app/choice_layout_test.cpp" "tests/app/CMakeFiles/app_tests.dir/choice_layout_test.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/choice_layout_test.cpp.o.d"
  "/work/main/tests/app/run_state_test.cpp" "tests/app/CMakeFiles/app_tests.dir/run_state_test.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/run_state_test.cpp.o.d"
  "/work/main/tests/app/settings_test.cpp" "tests/app/CMakeFiles/app_tests.dir/settings_test.cpp.o" "gcc" "tests/app/CMakeFiles/app_tests.dir/settings_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/app/CMakeFiles/sondalog_app.dir/DependInfo.cmake"
  "/work/main/build-release/src/recording/CMakeFiles/sondalog_recording.dir/DependInfo.cmake"
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

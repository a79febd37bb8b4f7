
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/cli/acquire_command.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/acquire_command.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/acquire_command.cpp.o.d"
  "/work/main/src/cli/charts_command.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/charts_command.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/charts_command.cpp.o.d"
  "/work/main/src/cli/cli_options.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/cli_options.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/cli_options.cpp.o.d"
  "/work/main/src/cli/config_command.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/config_command.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/config_command.cpp.o.d"
  "/work/main/src/cli/demo_command.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/demo_command.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/demo_command.cpp.o.d"
  "/work/main/src/cli/main.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/main.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/main.cpp.o.d"
  "/work/main/src/cli/replay_command.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/replay_command.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/replay_command.cpp.o.d"
  "/work/main/src/cli/run_setup.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/run_setup.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/run_setup.cpp.o.d"
  "/work/main/build-release/src/cli/sondalog-cli_autogen/mocs_compilation.cpp" "src/cli/CMakeFiles/sondalog-cli.dir/sondalog-cli_autogen/mocs_compilation.cpp.o" "gcc" "src/cli/CMakeFiles/sondalog-cli.dir/sondalog-cli_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/app/CMakeFiles/sondalog_app.dir/DependInfo.cmake"
  "/work/main/build-release/src/charts/CMakeFiles/sondalog_charts.dir/DependInfo.cmake"
  "/work/main/build-release/src/recording/CMakeFiles/sondalog_recording.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

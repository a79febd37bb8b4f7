
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/app/choice_layout.cpp" "src/app/CMakeFiles/sondalog_app.dir/choice_layout.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/choice_layout.cpp.o.d"
  "/work/main/src/app/config_paths.cpp" "src/app/CMakeFiles/sondalog_app.dir/config_paths.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/config_paths.cpp.o.d"
  "/work/main/src/app/run_options.cpp" "src/app/CMakeFiles/sondalog_app.dir/run_options.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/run_options.cpp.o.d"
  "/work/main/src/app/run_state.cpp" "src/app/CMakeFiles/sondalog_app.dir/run_state.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/run_state.cpp.o.d"
  "/work/main/src/app/settings.cpp" "src/app/CMakeFiles/sondalog_app.dir/settings.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/settings.cpp.o.d"
  "/work/main/src/app/settings_file.cpp" "src/app/CMakeFiles/sondalog_app.dir/settings_file.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/settings_file.cpp.o.d"
  "/work/main/build-release/src/app/sondalog_app_autogen/mocs_compilation.cpp" "src/app/CMakeFiles/sondalog_app.dir/sondalog_app_autogen/mocs_compilation.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/sondalog_app_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/app/startup.cpp" "src/app/CMakeFiles/sondalog_app.dir/startup.cpp.o" "gcc" "src/app/CMakeFiles/sondalog_app.dir/startup.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/recording/CMakeFiles/sondalog_recording.dir/DependInfo.cmake"
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

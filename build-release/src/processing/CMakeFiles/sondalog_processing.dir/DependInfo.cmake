
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/processing/axis_scale.cpp" "src/processing/CMakeFiles/sondalog_processing.dir/axis_scale.cpp.o" "gcc" "src/processing/CMakeFiles/sondalog_processing.dir/axis_scale.cpp.o.d"
  "/work/main/src/processing/decimals.cpp" "src/processing/CMakeFiles/sondalog_processing.dir/decimals.cpp.o" "gcc" "src/processing/CMakeFiles/sondalog_processing.dir/decimals.cpp.o.d"
  "/work/main/src/processing/process_reading.cpp" "src/processing/CMakeFiles/sondalog_processing.dir/process_reading.cpp.o" "gcc" "src/processing/CMakeFiles/sondalog_processing.dir/process_reading.cpp.o.d"
  "/work/main/src/processing/processing_state.cpp" "src/processing/CMakeFiles/sondalog_processing.dir/processing_state.cpp.o" "gcc" "src/processing/CMakeFiles/sondalog_processing.dir/processing_state.cpp.o.d"
  "/work/main/src/processing/sample_series.cpp" "src/processing/CMakeFiles/sondalog_processing.dir/sample_series.cpp.o" "gcc" "src/processing/CMakeFiles/sondalog_processing.dir/sample_series.cpp.o.d"
  "/work/main/build-release/src/processing/sondalog_processing_autogen/mocs_compilation.cpp" "src/processing/CMakeFiles/sondalog_processing.dir/sondalog_processing_autogen/mocs_compilation.cpp.o" "gcc" "src/processing/CMakeFiles/sondalog_processing.dir/sondalog_processing_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

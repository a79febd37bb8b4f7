
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/charts/chart_packets.cpp" "src/charts/CMakeFiles/sondalog_charts.dir/chart_packets.cpp.o" "gcc" "src/charts/CMakeFiles/sondalog_charts.dir/chart_packets.cpp.o.d"
  "/work/main/build-release/src/charts/sondalog_charts_autogen/mocs_compilation.cpp" "src/charts/CMakeFiles/sondalog_charts.dir/sondalog_charts_autogen/mocs_compilation.cpp.o" "gcc" "src/charts/CMakeFiles/sondalog_charts.dir/sondalog_charts_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")


# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tools/instrument-sim/main.cpp" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/main.cpp.o" "gcc" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/main.cpp.o.d"
  "/work/main/tools/instrument-sim/pty_link.cpp" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/pty_link.cpp.o" "gcc" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/pty_link.cpp.o.d"
  "/work/main/tools/instrument-sim/readings.cpp" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/readings.cpp.o" "gcc" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/readings.cpp.o.d"
  "/work/main/tools/instrument-sim/sim_options.cpp" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/sim_options.cpp.o" "gcc" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/sim_options.cpp.o.d"
  "/work/main/build-release/tools/instrument-sim/sondalog-instrument-sim_autogen/mocs_compilation.cpp" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/sondalog-instrument-sim_autogen/mocs_compilation.cpp.o" "gcc" "tools/instrument-sim/CMakeFiles/sondalog-instrument-sim.dir/sondalog-instrument-sim_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

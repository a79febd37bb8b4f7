
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/serial/burst_port.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/burst_port.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/burst_port.cpp.o.d"
  "/work/main/src/serial/line_port.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/line_port.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/line_port.cpp.o.d"
  "/work/main/src/serial/port_description.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/port_description.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/port_description.cpp.o.d"
  "/work/main/src/serial/port_discovery.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/port_discovery.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/port_discovery.cpp.o.d"
  "/work/main/src/serial/port_handle.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/port_handle.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/port_handle.cpp.o.d"
  "/work/main/src/serial/port_prober.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/port_prober.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/port_prober.cpp.o.d"
  "/work/main/src/serial/raw_log.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/raw_log.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/raw_log.cpp.o.d"
  "/work/main/build-release/src/serial/sondalog_serial_autogen/mocs_compilation.cpp" "src/serial/CMakeFiles/sondalog_serial.dir/sondalog_serial_autogen/mocs_compilation.cpp.o" "gcc" "src/serial/CMakeFiles/sondalog_serial.dir/sondalog_serial_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

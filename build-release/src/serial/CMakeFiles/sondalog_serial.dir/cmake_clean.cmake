file(REMOVE_RECURSE
  "CMakeFiles/sondalog_serial_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_serial_autogen.dir/ParseCache.txt"
  "sondalog_serial_autogen"
  "CMakeFiles/sondalog_serial.dir/burst_port.cpp.o"
  "CMakeFiles/sondalog_serial.dir/burst_port.cpp.o.d"
  "CMakeFiles/sondalog_serial.dir/line_port.cpp.o"
  "CMakeFiles/sondalog_serial.dir/line_port.cpp.o.d"
  "CMakeFiles/sondalog_serial.dir/port_description.cpp.o"
  "CMakeFiles/sondalog_serial.dir/port_description.cpp.o.d"
  "CMakeFiles/sondalog_serial.dir/port_discovery.cpp.o"
  "CMakeFiles/sondalog_serial.dir/port_discovery.cpp.o.d"
  "CMakeFiles/sondalog_serial.dir/port_handle.cpp.o"
  "CMakeFiles/sondalog_serial.dir/port_handle.cpp.o.d"
  "CMakeFiles/sondalog_serial.dir/port_prober.cpp.o"
  "CMakeFiles/sondalog_serial.dir/port_prober.cpp.o.d"
  "CMakeFiles/sondalog_serial.dir/raw_log.cpp.o"
  "CMakeFiles/sondalog_serial.dir/raw_log.cpp.o.d"
  "CMakeFiles/sondalog_serial.dir/sondalog_serial_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_serial.dir/sondalog_serial_autogen/mocs_compilation.cpp.o.d"
  "libsondalog_serial.a"
  "libsondalog_serial.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_serial.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "../../bin/sondalog-instrument-sim"
  "../../bin/sondalog-instrument-sim.pdb"
  "CMakeFiles/sondalog-instrument-sim_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog-instrument-sim_autogen.dir/ParseCache.txt"
  "sondalog-instrument-sim_autogen"
  "CMakeFiles/sondalog-instrument-sim.dir/main.cpp.o"
  "CMakeFiles/sondalog-instrument-sim.dir/main.cpp.o.d"
  "CMakeFiles/sondalog-instrument-sim.dir/pty_link.cpp.o"
  "CMakeFiles/sondalog-instrument-sim.dir/pty_link.cpp.o.d"
  "CMakeFiles/sondalog-instrument-sim.dir/readings.cpp.o"
  "CMakeFiles/sondalog-instrument-sim.dir/readings.cpp.o.d"
  "CMakeFiles/sondalog-instrument-sim.dir/sim_options.cpp.o"
  "CMakeFiles/sondalog-instrument-sim.dir/sim_options.cpp.o.d"
  "CMakeFiles/sondalog-instrument-sim.dir/sondalog-instrument-sim_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog-instrument-sim.dir/sondalog-instrument-sim_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog-instrument-sim.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

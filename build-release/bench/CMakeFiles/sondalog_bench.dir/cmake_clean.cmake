file(REMOVE_RECURSE
  "../bin/sondalog_bench"
  "../bin/sondalog_bench.pdb"
  "CMakeFiles/sondalog_bench_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_bench_autogen.dir/ParseCache.txt"
  "sondalog_bench_autogen"
  "CMakeFiles/sondalog_bench.dir/bench_main.cpp.o"
  "CMakeFiles/sondalog_bench.dir/bench_main.cpp.o.d"
  "CMakeFiles/sondalog_bench.dir/process_reading_bench.cpp.o"
  "CMakeFiles/sondalog_bench.dir/process_reading_bench.cpp.o.d"
  "CMakeFiles/sondalog_bench.dir/redraw_bench.cpp.o"
  "CMakeFiles/sondalog_bench.dir/redraw_bench.cpp.o.d"
  "CMakeFiles/sondalog_bench.dir/replay_bench.cpp.o"
  "CMakeFiles/sondalog_bench.dir/replay_bench.cpp.o.d"
  "CMakeFiles/sondalog_bench.dir/sondalog_bench_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_bench.dir/sondalog_bench_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_bench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

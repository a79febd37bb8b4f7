file(REMOVE_RECURSE
  "../bin/sondalog_open_bench"
  "../bin/sondalog_open_bench.pdb"
  "CMakeFiles/sondalog_open_bench_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_open_bench_autogen.dir/ParseCache.txt"
  "sondalog_open_bench_autogen"
  "CMakeFiles/sondalog_open_bench.dir/open_file_responsiveness.cpp.o"
  "CMakeFiles/sondalog_open_bench.dir/open_file_responsiveness.cpp.o.d"
  "CMakeFiles/sondalog_open_bench.dir/sondalog_open_bench_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_open_bench.dir/sondalog_open_bench_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_open_bench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "../bin/sondalog"
  "../bin/sondalog.pdb"
  "CMakeFiles/sondalog_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_autogen.dir/ParseCache.txt"
  "sondalog_autogen"
  "CMakeFiles/sondalog.dir/app/main.cpp.o"
  "CMakeFiles/sondalog.dir/app/main.cpp.o.d"
  "CMakeFiles/sondalog.dir/sondalog_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog.dir/sondalog_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

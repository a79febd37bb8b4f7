file(REMOVE_RECURSE
  "../sondalog-make-manual"
  "../sondalog-make-manual.pdb"
  "CMakeFiles/sondalog-make-manual_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog-make-manual_autogen.dir/ParseCache.txt"
  "sondalog-make-manual_autogen"
  "CMakeFiles/sondalog-make-manual.dir/main.cpp.o"
  "CMakeFiles/sondalog-make-manual.dir/main.cpp.o.d"
  "CMakeFiles/sondalog-make-manual.dir/sondalog-make-manual_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog-make-manual.dir/sondalog-make-manual_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog-make-manual.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "CMakeFiles/sondalog_help_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_help_autogen.dir/ParseCache.txt"
  "sondalog_help_autogen"
  "CMakeFiles/sondalog_help.dir/help_files.cpp.o"
  "CMakeFiles/sondalog_help.dir/help_files.cpp.o.d"
  "CMakeFiles/sondalog_help.dir/sondalog_help_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_help.dir/sondalog_help_autogen/mocs_compilation.cpp.o.d"
  "libsondalog_help.a"
  "libsondalog_help.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_help.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

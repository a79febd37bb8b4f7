file(REMOVE_RECURSE
  "CMakeFiles/sondalog_util_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_util_autogen.dir/ParseCache.txt"
  "sondalog_util_autogen"
  "CMakeFiles/sondalog_util.dir/clock.cpp.o"
  "CMakeFiles/sondalog_util.dir/clock.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/cp1252.cpp.o"
  "CMakeFiles/sondalog_util.dir/cp1252.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/line_field.cpp.o"
  "CMakeFiles/sondalog_util.dir/line_field.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/line_reader.cpp.o"
  "CMakeFiles/sondalog_util.dir/line_reader.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/number_format.cpp.o"
  "CMakeFiles/sondalog_util.dir/number_format.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/record_store.cpp.o"
  "CMakeFiles/sondalog_util.dir/record_store.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/regional.cpp.o"
  "CMakeFiles/sondalog_util.dir/regional.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/sondalog_util_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_util.dir/sondalog_util_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/text_file.cpp.o"
  "CMakeFiles/sondalog_util.dir/text_file.cpp.o.d"
  "CMakeFiles/sondalog_util.dir/text_utils.cpp.o"
  "CMakeFiles/sondalog_util.dir/text_utils.cpp.o.d"
  "libsondalog_util.a"
  "libsondalog_util.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_util.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "CMakeFiles/sondalog_instrument_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_instrument_autogen.dir/ParseCache.txt"
  "sondalog_instrument_autogen"
  "CMakeFiles/sondalog_instrument.dir/instrument_config.cpp.o"
  "CMakeFiles/sondalog_instrument.dir/instrument_config.cpp.o.d"
  "CMakeFiles/sondalog_instrument.dir/instrument_table.cpp.o"
  "CMakeFiles/sondalog_instrument.dir/instrument_table.cpp.o.d"
  "CMakeFiles/sondalog_instrument.dir/parameter_file.cpp.o"
  "CMakeFiles/sondalog_instrument.dir/parameter_file.cpp.o.d"
  "CMakeFiles/sondalog_instrument.dir/row_text.cpp.o"
  "CMakeFiles/sondalog_instrument.dir/row_text.cpp.o.d"
  "CMakeFiles/sondalog_instrument.dir/sondalog_instrument_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_instrument.dir/sondalog_instrument_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/sondalog_instrument.dir/table_editing.cpp.o"
  "CMakeFiles/sondalog_instrument.dir/table_editing.cpp.o.d"
  "libsondalog_instrument.a"
  "libsondalog_instrument.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_instrument.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

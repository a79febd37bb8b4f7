file(REMOVE_RECURSE
  "CMakeFiles/sondalog_instrument_autogen"
  "sondalog_instrument_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog_instrument_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

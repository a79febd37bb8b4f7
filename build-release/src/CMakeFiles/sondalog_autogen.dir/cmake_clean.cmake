file(REMOVE_RECURSE
  "CMakeFiles/sondalog_autogen"
  "sondalog_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

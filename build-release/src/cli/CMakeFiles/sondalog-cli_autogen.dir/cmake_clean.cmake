file(REMOVE_RECURSE
  "CMakeFiles/sondalog-cli_autogen"
  "sondalog-cli_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog-cli_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

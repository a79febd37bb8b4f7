file(REMOVE_RECURSE
  "CMakeFiles/sondalog-make-manual_autogen"
  "sondalog-make-manual_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog-make-manual_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

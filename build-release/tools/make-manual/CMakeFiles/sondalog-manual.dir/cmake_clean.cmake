file(REMOVE_RECURSE
  "../../bin/Sondalog_help.pdf"
  "CMakeFiles/sondalog-manual"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog-manual.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

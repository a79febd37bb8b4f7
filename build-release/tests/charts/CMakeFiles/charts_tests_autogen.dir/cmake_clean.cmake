file(REMOVE_RECURSE
  "CMakeFiles/charts_tests_autogen"
  "charts_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/charts_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

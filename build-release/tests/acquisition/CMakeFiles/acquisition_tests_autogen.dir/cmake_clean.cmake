file(REMOVE_RECURSE
  "CMakeFiles/acquisition_tests_autogen"
  "acquisition_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/acquisition_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

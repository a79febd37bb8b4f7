file(REMOVE_RECURSE
  "CMakeFiles/instrument_tests_autogen"
  "instrument_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/instrument_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

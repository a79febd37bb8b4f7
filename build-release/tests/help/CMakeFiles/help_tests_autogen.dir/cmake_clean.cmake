file(REMOVE_RECURSE
  "CMakeFiles/help_tests_autogen"
  "help_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/help_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

file(REMOVE_RECURSE
  "CMakeFiles/cli_tests_autogen"
  "cli_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/cli_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

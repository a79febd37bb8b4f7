file(REMOVE_RECURSE
  "CMakeFiles/app_tests_autogen"
  "app_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/app_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

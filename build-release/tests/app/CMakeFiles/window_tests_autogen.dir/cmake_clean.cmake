file(REMOVE_RECURSE
  "CMakeFiles/window_tests_autogen"
  "window_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/window_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

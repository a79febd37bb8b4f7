file(REMOVE_RECURSE
  "CMakeFiles/plot_tests_autogen"
  "plot_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/plot_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

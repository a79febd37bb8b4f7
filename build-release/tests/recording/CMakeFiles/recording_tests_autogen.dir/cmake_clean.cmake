file(REMOVE_RECURSE
  "CMakeFiles/recording_tests_autogen"
  "recording_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/recording_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

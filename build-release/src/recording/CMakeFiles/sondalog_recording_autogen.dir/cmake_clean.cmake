file(REMOVE_RECURSE
  "CMakeFiles/sondalog_recording_autogen"
  "sondalog_recording_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/sondalog_recording_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

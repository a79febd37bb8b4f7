file(REMOVE_RECURSE
  "CMakeFiles/sondalog_app_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog_app_autogen.dir/ParseCache.txt"
  "sondalog_app_autogen"
  "CMakeFiles/sondalog_app.dir/choice_layout.cpp.o"
  "CMakeFiles/sondalog_app.dir/choice_layout.cpp.o.d"
  "CMakeFiles/sondalog_app.dir/config_paths.cpp.o"
  "CMakeFiles/sondalog_app.dir/config_paths.cpp.o.d"
  "CMakeFiles/sondalog_app.dir/run_options.cpp.o"
  "CMakeFiles/sondalog_app.dir/run_options.cpp.o.d"
  "CMakeFiles/sondalog_app.dir/run_state.cpp.o"
  "CMakeFiles/sondalog_app.dir/run_state.cpp.o.d"
  "CMakeFiles/sondalog_app.dir/settings.cpp.o"
  "CMakeFiles/sondalog_app.dir/settings.cpp.o.d"
  "CMakeFiles/sondalog_app.dir/settings_file.cpp.o"
  "CMakeFiles/sondalog_app.dir/settings_file.cpp.o.d"
  "CMakeFiles/sondalog_app.dir/sondalog_app_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog_app.dir/sondalog_app_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/sondalog_app.dir/startup.cpp.o"
  "CMakeFiles/sondalog_app.dir/startup.cpp.o.d"
  "libsondalog_app.a"
  "libsondalog_app.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog_app.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()

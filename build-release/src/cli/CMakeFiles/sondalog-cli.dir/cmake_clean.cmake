file(REMOVE_RECURSE
  "../../bin/sondalog-cli"
  "../../bin/sondalog-cli.pdb"
  "CMakeFiles/sondalog-cli_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/sondalog-cli_autogen.dir/ParseCache.txt"
  "sondalog-cli_autogen"
  "CMakeFiles/sondalog-cli.dir/acquire_command.cpp.o"
  "CMakeFiles/sondalog-cli.dir/acquire_command.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/charts_command.cpp.o"
  "CMakeFiles/sondalog-cli.dir/charts_command.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/cli_options.cpp.o"
  "CMakeFiles/sondalog-cli.dir/cli_options.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/config_command.cpp.o"
  "CMakeFiles/sondalog-cli.dir/config_command.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/demo_command.cpp.o"
  "CMakeFiles/sondalog-cli.dir/demo_command.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/main.cpp.o"
  "CMakeFiles/sondalog-cli.dir/main.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/replay_command.cpp.o"
  "CMakeFiles/sondalog-cli.dir/replay_command.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/run_setup.cpp.o"
  "CMakeFiles/sondalog-cli.dir/run_setup.cpp.o.d"
  "CMakeFiles/sondalog-cli.dir/sondalog-cli_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/sondalog-cli.dir/sondalog-cli_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/sondalog-cli.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()


# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/instrument/instrument_config.cpp" "src/instrument/CMakeFiles/sondalog_instrument.dir/instrument_config.cpp.o" "gcc" "src/instrument/CMakeFiles/sondalog_instrument.dir/instrument_config.cpp.o.d"
  "/work/main/src/instrument/instrument_table.cpp" "src/instrument/CMakeFiles/sondalog_instrument.dir/instrument_table.cpp.o" "gcc" "src/instrument/CMakeFiles/sondalog_instrument.dir/instrument_table.cpp.o.d"
  "/work/main/src/instrument/parameter_file.cpp" "src/instrument/CMakeFiles/sondalog_instrument.dir/parameter_file.cpp.o" "gcc" "src/instrument/CMakeFiles/sondalog_instrument.dir/parameter_file.cpp.o.d"
  "/work/main/src/instrument/row_text.cpp" "src/instrument/CMakeFiles/sondalog_instrument.dir/row_text.cpp.o" "gcc" "src/instrument/CMakeFiles/sondalog_instrument.dir/row_text.cpp.o.d"
  "/work/main/build-release/src/instrument/sondalog_instrument_autogen/mocs_compilation.cpp" "src/instrument/CMakeFiles/sondalog_instrument.dir/sondalog_instrument_autogen/mocs_compilation.cpp.o" "gcc" "src/instrument/CMakeFiles/sondalog_instrument.dir/sondalog_instrument_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/instrument/table_editing.cpp" "src/instrument/CMakeFiles/sondalog_instrument.dir/table_editing.cpp.o" "gcc" "src/instrument/CMakeFiles/sondalog_instrument.dir/table_editing.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

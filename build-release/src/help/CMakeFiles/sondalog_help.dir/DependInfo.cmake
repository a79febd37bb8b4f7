
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/help/help_files.cpp" "src/help/CMakeFiles/sondalog_help.dir/help_files.cpp.o" "gcc" "src/help/CMakeFiles/sondalog_help.dir/help_files.cpp.o.d"
  "/work/main/build-release/src/help/sondalog_help_autogen/mocs_compilation.cpp" "src/help/CMakeFiles/sondalog_help.dir/sondalog_help_autogen/mocs_compilation.cpp.o" "gcc" "src/help/CMakeFiles/sondalog_help.dir/sondalog_help_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

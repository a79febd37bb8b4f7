
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tools/make-manual/main.cpp" "tools/make-manual/CMakeFiles/sondalog-make-manual.dir/main.cpp.o" "gcc" "tools/make-manual/CMakeFiles/sondalog-make-manual.dir/main.cpp.o.d"
  "/work/main/build-release/tools/make-manual/sondalog-make-manual_autogen/mocs_compilation.cpp" "tools/make-manual/CMakeFiles/sondalog-make-manual.dir/sondalog-make-manual_autogen/mocs_compilation.cpp.o" "gcc" "tools/make-manual/CMakeFiles/sondalog-make-manual.dir/sondalog-make-manual_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")


# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/util/clock.cpp" "src/util/CMakeFiles/sondalog_util.dir/clock.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/clock.cpp.o.d"
  "/work/main/src/util/cp1252.cpp" "src/util/CMakeFiles/sondalog_util.dir/cp1252.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/cp1252.cpp.o.d"
  "/work/main/src/util/line_field.cpp" "src/util/CMakeFiles/sondalog_util.dir/line_field.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/line_field.cpp.o.d"
  "/work/main/src/util/line_reader.cpp" "src/util/CMakeFiles/sondalog_util.dir/line_reader.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/line_reader.cpp.o.d"
  "/work/main/src/util/number_format.cpp" "src/util/CMakeFiles/sondalog_util.dir/number_format.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/number_format.cpp.o.d"
  "/work/main/src/util/record_store.cpp" "src/util/CMakeFiles/sondalog_util.dir/record_store.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/record_store.cpp.o.d"
  "/work/main/src/util/regional.cpp" "src/util/CMakeFiles/sondalog_util.dir/regional.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/regional.cpp.o.d"
  "/work/main/build-release/src/util/sondalog_util_autogen/mocs_compilation.cpp" "src/util/CMakeFiles/sondalog_util.dir/sondalog_util_autogen/mocs_compilation.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/sondalog_util_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/util/text_file.cpp" "src/util/CMakeFiles/sondalog_util.dir/text_file.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/text_file.cpp.o.d"
  "/work/main/src/util/text_utils.cpp" "src/util/CMakeFiles/sondalog_util.dir/text_utils.cpp.o" "gcc" "src/util/CMakeFiles/sondalog_util.dir/text_utils.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

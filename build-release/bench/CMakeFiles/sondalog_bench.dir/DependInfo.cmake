
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/bench/bench_main.cpp" "bench/CMakeFiles/sondalog_bench.dir/bench_main.cpp.o" "gcc" "bench/CMakeFiles/sondalog_bench.dir/bench_main.cpp.o.d"
  "/work/main/bench/process_reading_bench.cpp" "bench/CMakeFiles/sondalog_bench.dir/process_reading_bench.cpp.o" "gcc" "bench/CMakeFiles/sondalog_bench.dir/process_reading_bench.cpp.o.d"
  "/work/main/bench/redraw_bench.cpp" "bench/CMakeFiles/sondalog_bench.dir/redraw_bench.cpp.o" "gcc" "bench/CMakeFiles/sondalog_bench.dir/redraw_bench.cpp.o.d"
  "/work/main/bench/replay_bench.cpp" "bench/CMakeFiles/sondalog_bench.dir/replay_bench.cpp.o" "gcc" "bench/CMakeFiles/sondalog_bench.dir/replay_bench.cpp.o.d"
  "/work/main/build-release/bench/sondalog_bench_autogen/mocs_compilation.cpp" "bench/CMakeFiles/sondalog_bench.dir/sondalog_bench_autogen/mocs_compilation.cpp.o" "gcc" "bench/CMakeFiles/sondalog_bench.dir/sondalog_bench_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  "/work/main/build-release/src/plot/CMakeFiles/sondalog_plot.dir/DependInfo.cmake"
  "/work/main/build-release/src/recording/CMakeFiles/sondalog_recording.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")

# CMake generated Testfile for 
# Source directory: /work/main/tests/plot
# Build directory: /work/main/build-release/tests/plot
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-release/tests/plot/plot_tests[1]_include.cmake")

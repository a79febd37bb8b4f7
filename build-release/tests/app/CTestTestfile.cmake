# CMake generated Testfile for 
# Source directory: /work/main/tests/app
# Build directory: /work/main/build-release/tests/app
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-release/tests/app/app_tests[1]_include.cmake")
include("/work/main/build-release/tests/app/window_tests[1]_include.cmake")

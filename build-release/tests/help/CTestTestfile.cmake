# CMake generated Testfile for 
# Source directory: /work/main/tests/help
# Build directory: /work/main/build-release/tests/help
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-release/tests/help/help_tests[1]_include.cmake")

# CMake generated Testfile for 
# Source directory: /work/main/tests/serial
# Build directory: /work/main/build-release/tests/serial
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-release/tests/serial/serial_tests[1]_include.cmake")

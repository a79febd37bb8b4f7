# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build-release
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("src")
subdirs("tools")
subdirs("fuzz")
subdirs("tests")
subdirs("bench")

# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/build-release/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("util")
subdirs("instrument")
subdirs("processing")
subdirs("serial")
subdirs("acquisition")
subdirs("recording")
subdirs("plot")
subdirs("charts")
subdirs("app")
subdirs("cli")
subdirs("help")

# Empty compiler generated dependencies file for window_tests.
# This may be replaced when dependencies are built.

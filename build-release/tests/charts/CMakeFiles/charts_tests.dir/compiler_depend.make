# Empty compiler generated dependencies file for charts_tests.
# This may be replaced when dependencies are built.

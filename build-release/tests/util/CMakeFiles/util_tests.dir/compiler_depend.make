# Empty compiler generated dependencies file for util_tests.
# This may be replaced when dependencies are built.

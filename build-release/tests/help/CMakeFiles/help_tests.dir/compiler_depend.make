# Empty compiler generated dependencies file for help_tests.
# This may be replaced when dependencies are built.

# Empty dependencies file for cli_tests.
# This may be replaced when dependencies are built.

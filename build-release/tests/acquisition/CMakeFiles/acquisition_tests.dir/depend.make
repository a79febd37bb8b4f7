# Empty dependencies file for acquisition_tests.
# This may be replaced when dependencies are built.

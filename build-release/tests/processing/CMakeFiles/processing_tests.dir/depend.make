# Empty dependencies file for processing_tests.
# This may be replaced when dependencies are built.

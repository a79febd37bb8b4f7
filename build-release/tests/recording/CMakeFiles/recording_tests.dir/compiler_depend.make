# Empty compiler generated dependencies file for recording_tests.
# This may be replaced when dependencies are built.

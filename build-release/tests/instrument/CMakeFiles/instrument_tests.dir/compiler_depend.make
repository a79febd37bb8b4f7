# Empty compiler generated dependencies file for instrument_tests.
# This may be replaced when dependencies are built.

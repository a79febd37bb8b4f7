# Empty dependencies file for serial_tests.
# This may be replaced when dependencies are built.

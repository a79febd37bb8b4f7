# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for serial_tests_autogen.

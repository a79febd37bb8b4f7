# Empty dependencies file for sondalog_serial.
# This may be replaced when dependencies are built.

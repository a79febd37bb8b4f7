# Empty custom commands generated dependencies file for sondalog_serial_autogen.
# This may be replaced when dependencies are built.

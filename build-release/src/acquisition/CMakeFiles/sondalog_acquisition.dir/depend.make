# Empty dependencies file for sondalog_acquisition.
# This may be replaced when dependencies are built.

# Empty dependencies file for sondalog_processing.
# This may be replaced when dependencies are built.

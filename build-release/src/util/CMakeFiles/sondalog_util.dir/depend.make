# Empty dependencies file for sondalog_util.
# This may be replaced when dependencies are built.

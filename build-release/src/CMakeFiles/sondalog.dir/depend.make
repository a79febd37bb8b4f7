# Empty dependencies file for sondalog.
# This may be replaced when dependencies are built.

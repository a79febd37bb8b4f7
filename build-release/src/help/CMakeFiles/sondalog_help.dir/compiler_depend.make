# Empty compiler generated dependencies file for sondalog_help.
# This may be replaced when dependencies are built.

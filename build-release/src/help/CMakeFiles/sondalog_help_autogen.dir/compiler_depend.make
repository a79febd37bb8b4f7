# Empty custom commands generated dependencies file for sondalog_help_autogen.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for sondalog_util_autogen.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for sondalog-make-manual_autogen.
# This may be replaced when dependencies are built.

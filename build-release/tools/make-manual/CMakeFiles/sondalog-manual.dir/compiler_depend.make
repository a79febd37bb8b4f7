# Empty custom commands generated dependencies file for sondalog-manual.
# This may be replaced when dependencies are built.

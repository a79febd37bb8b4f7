# Empty compiler generated dependencies file for sondalog-make-manual.
# This may be replaced when dependencies are built.

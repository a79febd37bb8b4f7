# Empty compiler generated dependencies file for sondalog_ui.
# This may be replaced when dependencies are built.

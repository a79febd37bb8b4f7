# Empty custom commands generated dependencies file for sondalog-cli_autogen.
# This may be replaced when dependencies are built.

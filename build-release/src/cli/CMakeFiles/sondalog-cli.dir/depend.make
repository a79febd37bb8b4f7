# Empty dependencies file for sondalog-cli.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for sondalog_processing_autogen.
# This may be replaced when dependencies are built.

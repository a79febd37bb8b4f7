# Empty custom commands generated dependencies file for replay_auto_file_autogen.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for replay_parameter_file_autogen.
# This may be replaced when dependencies are built.

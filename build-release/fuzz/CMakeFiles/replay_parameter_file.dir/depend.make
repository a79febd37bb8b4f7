# Empty dependencies file for replay_parameter_file.
# This may be replaced when dependencies are built.

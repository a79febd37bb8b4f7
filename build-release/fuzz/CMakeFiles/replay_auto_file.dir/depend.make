# Empty dependencies file for replay_auto_file.
# This may be replaced when dependencies are built.

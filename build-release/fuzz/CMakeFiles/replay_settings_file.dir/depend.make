# Empty dependencies file for replay_settings_file.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for replay_settings_file_autogen.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for replay_process_reading_autogen.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for replay_own_recording_autogen.
# This may be replaced when dependencies are built.

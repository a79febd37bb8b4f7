# Empty compiler generated dependencies file for replay_own_recording.
# This may be replaced when dependencies are built.

# Empty compiler generated dependencies file for replay_process_reading.
# This may be replaced when dependencies are built.

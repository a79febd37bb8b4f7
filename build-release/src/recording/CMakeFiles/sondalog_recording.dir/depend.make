# Empty dependencies file for sondalog_recording.
# This may be replaced when dependencies are built.

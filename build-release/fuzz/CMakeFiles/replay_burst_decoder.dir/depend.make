# Empty dependencies file for replay_burst_decoder.
# This may be replaced when dependencies are built.

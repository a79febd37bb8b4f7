# Empty custom commands generated dependencies file for replay_burst_decoder_autogen.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for sondalog_burst_latency_autogen.
# This may be replaced when dependencies are built.

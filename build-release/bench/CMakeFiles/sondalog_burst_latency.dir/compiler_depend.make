# Empty compiler generated dependencies file for sondalog_burst_latency.
# This may be replaced when dependencies are built.

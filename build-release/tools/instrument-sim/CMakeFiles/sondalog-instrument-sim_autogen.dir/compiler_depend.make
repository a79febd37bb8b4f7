# Empty custom commands generated dependencies file for sondalog-instrument-sim_autogen.
# This may be replaced when dependencies are built.

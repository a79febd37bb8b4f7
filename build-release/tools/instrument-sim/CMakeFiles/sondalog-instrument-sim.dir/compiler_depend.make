# Empty compiler generated dependencies file for sondalog-instrument-sim.
# This may be replaced when dependencies are built.

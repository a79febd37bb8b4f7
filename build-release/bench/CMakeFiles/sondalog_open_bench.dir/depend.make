# Empty dependencies file for sondalog_open_bench.
# This may be replaced when dependencies are built.

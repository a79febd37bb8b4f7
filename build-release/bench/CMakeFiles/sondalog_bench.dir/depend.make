# Empty dependencies file for sondalog_bench.
# This may be replaced when dependencies are built.

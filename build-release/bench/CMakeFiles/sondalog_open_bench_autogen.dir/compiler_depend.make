# Empty custom commands generated dependencies file for sondalog_open_bench_autogen.
# This may be replaced when dependencies are built.

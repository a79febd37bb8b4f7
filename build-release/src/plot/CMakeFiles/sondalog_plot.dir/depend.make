# Empty dependencies file for sondalog_plot.
# This may be replaced when dependencies are built.

# Empty dependencies file for sondalog_charts.
# This may be replaced when dependencies are built.

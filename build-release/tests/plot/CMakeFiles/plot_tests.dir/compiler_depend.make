# Empty compiler generated dependencies file for plot_tests.
# This may be replaced when dependencies are built.

# Empty dependencies file for sondalog_instrument.
# This may be replaced when dependencies are built.

# Empty dependencies file for sondalog_app.
# This may be replaced when dependencies are built.

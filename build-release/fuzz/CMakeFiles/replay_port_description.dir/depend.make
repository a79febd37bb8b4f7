# Empty dependencies file for replay_port_description.
# This may be replaced when dependencies are built.

# Empty custom commands generated dependencies file for replay_port_description_autogen.
# This may be replaced when dependencies are built.

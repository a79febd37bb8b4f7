# Empty custom commands generated dependencies file for replay_block_assembler_autogen.
# This may be replaced when dependencies are built.

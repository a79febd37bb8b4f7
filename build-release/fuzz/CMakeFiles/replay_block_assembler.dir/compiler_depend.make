# Empty compiler generated dependencies file for replay_block_assembler.
# This may be replaced when dependencies are built.

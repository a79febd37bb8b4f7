file(REMOVE_RECURSE
  "libsondalog_processing.a"
)

file(REMOVE_RECURSE
  "libsondalog_acquisition.a"
)

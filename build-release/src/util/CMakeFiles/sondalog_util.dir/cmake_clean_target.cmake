file(REMOVE_RECURSE
  "libsondalog_util.a"
)

file(REMOVE_RECURSE
  "libsondalog_help.a"
)

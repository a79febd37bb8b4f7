file(REMOVE_RECURSE
  "libsondalog_instrument.a"
)

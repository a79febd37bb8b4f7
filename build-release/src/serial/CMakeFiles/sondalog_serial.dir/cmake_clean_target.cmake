file(REMOVE_RECURSE
  "libsondalog_serial.a"
)

file(REMOVE_RECURSE
  "libsondalog_recording.a"
)

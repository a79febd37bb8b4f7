file(REMOVE_RECURSE
  "libsondalog_ui.a"
)

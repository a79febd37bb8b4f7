file(REMOVE_RECURSE
  "libsondalog_app.a"
)

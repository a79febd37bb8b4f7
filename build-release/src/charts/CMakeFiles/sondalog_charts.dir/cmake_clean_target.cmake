file(REMOVE_RECURSE
  "libsondalog_charts.a"
)

file(REMOVE_RECURSE
  "libsondalog_plot.a"
)

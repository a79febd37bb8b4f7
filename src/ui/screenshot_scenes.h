#pragma once
// Pictures of the windows for the README and the manual: a short demonstration run to a scene,
// then the window saved as a PNG and the program ended.

#include <QString>

namespace sondalog {

class MainWindow;

/// scene: "demo" (a tracer test past t0), "chooser" (the folder chooser open), "contrast1" or
/// "contrast2" (the demonstration in the white or the black contrast mode), "parameters" (the
/// parameters window with its choice panel open), "charts" (the charts window of a three-probe
/// demonstration), "analysis" (the tracer analysis and its fitted curve after the demonstration's pulse).
void ScreenshotRun(MainWindow& window, const QString& file, int readings, const QString& scene);

}  // namespace sondalog

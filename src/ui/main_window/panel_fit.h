#pragma once
// FormResize: what the main window's panels show at a given size (a small window hides the record
// list and the wide controls before it cuts anything). The rules are in plot/axis_controls.

#include "ui/main_window/main_context.h"

class QMainWindow;

namespace sondalog {

void FitPanelsToWindow(const MainContext& context, QMainWindow& window);

}  // namespace sondalog

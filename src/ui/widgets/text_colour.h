#pragma once
// The font colour of a label, check box or button, as the window's colour rules set it.

#include <QColor>

class QWidget;

namespace sondalog {

void SetTextColour(QWidget* widget, const QColor& colour);

}  // namespace sondalog

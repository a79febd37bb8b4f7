#pragma once
// The core's colours (Rgb) as the painters and windows take them, and back.
#include "util/rgb.h"

#include <QColor>

namespace sondalog {

inline QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

inline Rgb ToRgb(const QColor& c)
{
    return Rgb{c.red(), c.green(), c.blue()};
}

}  // namespace sondalog

#pragma once
// A colour as the stored files write it ("R,G,B", each 0 to 255). The core keeps its colours this way rather
// than as QColor, whose accessors live in Qt Gui: the command line would otherwise load Gui and its thirty
// libraries (3 ms of each start, a twentieth of a 100,000-line replay) to read three numbers.

#include <QString>

namespace sondalog {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// "R,G,B": a colour as the instrument table, the settings file and the command line write it.
inline QString RgbText(Rgb c)
{
    return QString::number(c.r) + u',' + QString::number(c.g) + u',' + QString::number(c.b);
}

}  // namespace sondalog

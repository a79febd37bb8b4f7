#include "app/settings_file.h"

#include "util/text_file.h"
#include "util/text_utils.h"

namespace sondalog {

QStringList ReadSettingsLines(const QString& path)
{
    QStringList lines = ReadConfigLines(path).value_or(QStringList());
    lines = lines.mid(0, kSettingsLines);
    while (lines.size() < kSettingsLines) {
        lines << QString();
    }
    return lines;
}

bool WriteSettingsLines(const QString& path, const QStringList& lines)
{
    QStringList thirty = lines.mid(0, kSettingsLines);
    while (thirty.size() < kSettingsLines) {
        thirty << QString();
    }
    return WriteFileAtomically(path, JoinCrLf(thirty)).isEmpty();
}

QString ReadSettingsLine(const QString& path, int n)
{
    if (n < 1 || n > kSettingsLines) {
        return {};
    }
    return ReadSettingsLines(path).at(n - 1);
}

QString ReadSettingsLineOr(const QString& path, int n, const QString& fallback)
{
    const QString line = ReadSettingsLine(path, n);
    return line.isEmpty() ? fallback : line;
}

bool WriteSettingsLine(const QString& path, const QString& value, int n)
{
    if (n < 1 || n > kSettingsLines) {
        return false;
    }
    QStringList lines = ReadSettingsLines(path);
    lines[n - 1] = value;
    return WriteSettingsLines(path, lines);
}

Rgb ColourFromLine(const QString& line, Rgb fallback)
{
    if (CountChar(u',', line) != 2) {
        return fallback;
    }
    const int r = FieldInt(line, 1, u',', 0);
    const int g = FieldInt(line, 2, u',', 0);
    const int b = FieldInt(line, 3, u',', 0);
    if (r == 0 && g == 0 && b == 0) {  // never summed: the fields may be any int
        return Rgb{222, 222, 222};
    }
    return Rgb{r & 0xFF, g & 0xFF, b & 0xFF};
}

QString ColourLine(Rgb colour)
{
    return RgbText(colour);
}

Rgb ReadColourLine(const QString& path, Rgb fallback, int n)
{
    return ColourFromLine(ReadSettingsLine(path, n), fallback);
}

bool WriteColourLine(const QString& path, Rgb colour, int n)
{
    return WriteSettingsLine(path, ColourLine(colour), n);
}

}  // namespace sondalog

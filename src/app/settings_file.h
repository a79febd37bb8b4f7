#pragma once
// The 30-line settings file: one value per line, identified by its number only.

#include "util/rgb.h"

#include <QString>
#include <QStringList>

namespace sondalog {

/// A line kept aside by the settings: the PC decimal sign for which the operator declined to change the recordings'
/// sign (the question is then not asked again on that PC).
inline constexpr int kDecimalQuestionDeclinedLine = 27;

inline constexpr int kSettingsLines = 30;

/// Line n (1 to 30); empty when the file or the line is missing.
QString ReadSettingsLine(const QString& path, int n);
QString ReadSettingsLineOr(const QString& path, int n, const QString& fallback);
/// Replaces line n, keeping the other lines (27 to 30 included); the file always has 30 lines.
/// Returns false when the file could not be written.
bool WriteSettingsLine(const QString& path, const QString& value, int n);
/// "R,G,B" with exactly two commas gives that colour (0,0,0 gives grey 222); anything else `fallback`.
Rgb ReadColourLine(const QString& path, Rgb fallback, int n);
bool WriteColourLine(const QString& path, Rgb colour, int n);

/// The colour rule of ReadColourLine on one line's text.
Rgb ColourFromLine(const QString& line, Rgb fallback);
QString ColourLine(Rgb colour);

/// The file's first 30 lines, missing ones empty.
QStringList ReadSettingsLines(const QString& path);
bool WriteSettingsLines(const QString& path, const QStringList& lines);

}  // namespace sondalog

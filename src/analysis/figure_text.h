#pragma once
// The analysis' figures as a hydrogeologist reads them: durations in s, min, h or days, numbers with a sensible
// count of digits and a decimal comma, never in scientific notation for an ordinary value.

#include <QString>

#include <optional>

namespace sondalog {

/// "45 s", "12 min 30 s", "7 h 01 min", "2 j 05 h"; "—" when there is no figure.
QString ElapsedText(std::optional<double> seconds);
/// `value` with about `significant` significant digits in fixed notation and a decimal comma (9 817, 125,2, 0,657),
/// followed by the unit when one is given; "—" when there is no figure. Only values beyond 1e9 or below 1e-4 are
/// written with an exponent.
QString FigureText(std::optional<double> value, const QString& unit = {}, int significant = 4);

}  // namespace sondalog

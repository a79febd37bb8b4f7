#include "analysis/figure_text.h"

#include <cmath>

namespace sondalog {

namespace {
const QString kNoFigure = QStringLiteral("—");

QString TwoDigits(qint64 v)
{
    return QString::number(v).rightJustified(2, u'0');
}
}  // namespace

QString ElapsedText(std::optional<double> seconds)
{
    if (!seconds || !std::isfinite(*seconds)) {
        return kNoFigure;
    }
    const bool negative = *seconds < 0;
    const qint64 s = std::llround(std::abs(*seconds));
    QString text;
    if (s < 60) {
        text = QString::number(s) + QStringLiteral(" s");
    } else if (s < 3600) {
        text = QString::number(s / 60) + QStringLiteral(" min ") + TwoDigits(s % 60) + QStringLiteral(" s");
    } else if (s < 86400) {
        const qint64 minutes = (s + 30) / 60;  // to the nearest minute
        text = QString::number(minutes / 60) + QStringLiteral(" h ") + TwoDigits(minutes % 60) + QStringLiteral(" min");
    } else {
        const qint64 hours = (s + 1800) / 3600;
        text = QString::number(hours / 24) + QStringLiteral(" j ") + TwoDigits(hours % 24) + QStringLiteral(" h");
    }
    return negative ? u'-' + text : text;
}

QString FigureText(std::optional<double> value, const QString& unit, int significant)
{
    if (!value || !std::isfinite(*value)) {
        return kNoFigure;
    }
    const double v = *value;
    const double magnitude = std::abs(v);
    QString text;
    if (v == 0) {
        text = QStringLiteral("0");
    } else if (magnitude >= 1e9 || magnitude < 1e-4) {
        text = QString::number(v, 'g', significant);
    } else {
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        const int decimals = std::clamp(significant - 1 - exponent, 0, 8);
        text = QString::number(v, 'f', decimals);
        if (text.contains(u'.')) {
            // No trailing zeros after the comma: 125,2 rather than 125,20.
            while (text.endsWith(u'0')) {
                text.chop(1);
            }
            if (text.endsWith(u'.')) {
                text.chop(1);
            }
        }
    }
    text.replace(u'.', u',');
    return unit.isEmpty() ? text : text + u' ' + unit;
}

}  // namespace sondalog

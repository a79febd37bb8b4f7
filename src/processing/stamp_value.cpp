// A recording's stamp text read back to its wall-clock seconds, on a fast path for every date pattern the program
// writes (digits, month and day names), and through Qt for any other.
#include "processing/sample_series.h"

#include <QDateTime>
#include <QLocale>

#include <array>
#include <optional>
#include <vector>

namespace sondalog {

namespace {
std::optional<std::vector<DatePart>> DatePlan(const QString& format)
{
    std::vector<DatePart> plan;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c) {
            ++run;
        }
        if ((c == u'd' || c == u'M') && run <= 2) {
            plan.push_back({static_cast<char>(c.unicode()), static_cast<int>(run), {}});
        } else if (c == u'y' && (run == 2 || run == 4)) {
            plan.push_back({'y', static_cast<int>(run), {}});
        } else if (c == u'M' && run <= 4) {
            plan.push_back({'N', static_cast<int>(run), {}});  // the month's name, short or long (as Qt writes it)
        } else if (c == u'd' && run <= 4) {
            plan.push_back({'D', static_cast<int>(run), {}});  // the day's name: read over, the date says it
        } else if (c.isLetter() || c == u'\'') {
            return std::nullopt;  // names of days or months: left to Qt
        } else {
            for (qsizetype k = 0; k < run; ++k) {
                plan.push_back({0, 0, c});
            }
        }
        i += run;
    }
    return plan;
}

/// Reads one of `names` at `pos`; its index from 1, or 0.
int ReadName(QStringView text, qsizetype& pos, const std::array<QString, 12>& names, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!names[i].isEmpty() && text.mid(pos).startsWith(names[i])) {
            pos += names[i].size();
            return i + 1;
        }
    }
    return 0;
}

/// The month and day names a date is written with (Qt writes them in English whatever the PC's language).
struct DateNames {
    std::array<QString, 12> months[2];
    std::array<QString, 12> days[2];
    DateNames()
    {
        const QLocale c = QLocale::c();
        for (int f = 0; f < 2; ++f) {
            const QLocale::FormatType type = f == 0 ? QLocale::ShortFormat : QLocale::LongFormat;
            for (int m = 1; m <= 12; ++m) {
                months[f][m - 1] = c.monthName(m, type);
            }
            for (int d = 1; d <= 7; ++d) {
                days[f][d - 1] = c.dayName(d, type);
            }
        }
    }
};

/// Reads `width` digits (1: one or two digits without a leading zero, as written) at `pos`.
bool ReadNumber(QStringView text, qsizetype& pos, int width, int& value)
{
    const qsizetype start = pos;
    const qsizetype most = width == 1 ? 2 : width;
    value = 0;
    while (pos < text.size() && pos - start < most && text[pos].isDigit() && text[pos].unicode() < 128) {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
    }
    const qsizetype read = pos - start;
    if (width == 1) {
        return read >= 1 && !(read == 2 && text[start] == u'0');
    }
    return read == width;
}
}  // namespace

std::optional<qint64> StampValue(QStringView stamp, const Regional& regional)
{
    return StampReader(regional).Value(stamp);
}

StampReader::StampReader(const Regional& regional) : regional_(regional), plan_(DatePlan(regional.shortDateFormat)) {}

std::optional<qint64> StampReader::Value(QStringView stamp) const
{
    const Regional& regional = regional_;
    const std::optional<std::vector<DatePart>>& plan = plan_;
    if (!plan) {
        const QDateTime time = QDateTime::fromString(stamp.toString(), regional.shortDateFormat + QStringLiteral(" hh:mm:ss"));
        if (time.isValid() && StampFromTime(time, regional) == stamp) {
            return TimeValue(time);
        }
        return std::nullopt;
    }
    int day = 0, month = 0, year = 0;
    qsizetype pos = 0;
    for (const DatePart& part : *plan) {
        if (part.field == 0) {
            if (pos >= stamp.size() || stamp[pos] != part.literal) {
                return std::nullopt;
            }
            ++pos;
            continue;
        }
        if (part.field == 'N' || part.field == 'D') {
            static const DateNames names;
            const int form = part.width == 3 ? 0 : 1;
            const int index = part.field == 'N' ? ReadName(stamp, pos, names.months[form], 12)
                                                : ReadName(stamp, pos, names.days[form], 7);
            if (index == 0) {
                return std::nullopt;
            }
            if (part.field == 'N') {
                month = index;
            }
            continue;
        }
        int value = 0;
        if (!ReadNumber(stamp, pos, part.width, value)) {
            return std::nullopt;
        }
        if (part.field == 'd') {
            day = value;
        } else if (part.field == 'M') {
            month = value;
        } else {
            year = part.width == 2 ? 1900 + value : value;  // two-digit years read as Qt reads them
        }
    }
    int hour = 0, minute = 0, second = 0;
    if (pos >= stamp.size() || stamp[pos] != u' ') {
        return std::nullopt;
    }
    ++pos;
    if (!ReadNumber(stamp, pos, 2, hour) || pos >= stamp.size() || stamp[pos++] != u':' ||
        !ReadNumber(stamp, pos, 2, minute) || pos >= stamp.size() || stamp[pos++] != u':' ||
        !ReadNumber(stamp, pos, 2, second) || pos != stamp.size()) {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return (date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400 + hour * 3600 + minute * 60 + second;
}

}  // namespace sondalog

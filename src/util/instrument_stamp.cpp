#include "util/instrument_stamp.h"

#include <QStringList>

#include <array>

namespace sondalog {

std::optional<QDateTime> InstrumentStampReader::Read(QStringView text) const
{
    // The runs of digits and the character after each: three for the date, two or three for the time.
    std::array<int, 6> value{};
    std::array<int, 6> digits{};
    std::array<QChar, 6> after{};
    int groups = 0;
    for (qsizetype i = 0; i < text.size() && groups < 6;) {
        if (!text[i].isDigit()) {
            ++i;
            continue;
        }
        int v = 0;
        int d = 0;
        while (i < text.size() && text[i].isDigit() && d < 5) {
            v = v * 10 + text[i].digitValue();
            ++d;
            ++i;
        }
        value[groups] = v;
        digits[groups] = d;
        after[groups] = i < text.size() ? text[i] : QChar();
        ++groups;
    }
    if (groups < 5 || after[3] != u':') {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (digits[0] == 4) {
        year = value[0];
        month = value[1];
        day = value[2];
    } else {
        year = digits[2] == 2 ? 2000 + value[2] : value[2];
        const bool monthFirst = after[0] == u'/' && value[1] > 12 && value[0] <= 12;
        day = monthFirst ? value[1] : value[0];
        month = monthFirst ? value[0] : value[1];
    }
    const QDate date(year, month, day);
    const QTime time(value[3], value[4], groups >= 6 && after[4] == u':' ? value[5] : 0);
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    const qint64 hourKey = date.toJulianDay() * 24 + time.hour();
    if (hourKey != hourKey_) {
        hourKey_ = hourKey;
        offset_ = QDateTime(date, time).offsetFromUtc();
    }
    return QDateTime(date, time, Qt::OffsetFromUTC, offset_);
}

namespace {
/// The first three runs of digits of a stamp and their lengths; false when it has fewer.
bool DateNumbers(QStringView stamp, std::array<int, 3>& value, std::array<int, 3>& digits)
{
    int groups = 0;
    for (qsizetype i = 0; i < stamp.size() && groups < 3;) {
        if (!stamp[i].isDigit()) {
            ++i;
            continue;
        }
        int v = 0;
        int d = 0;
        while (i < stamp.size() && stamp[i].isDigit() && d < 5) {
            v = v * 10 + stamp[i].digitValue();
            ++d;
            ++i;
        }
        value[groups] = v;
        digits[groups] = d;
        ++groups;
    }
    return groups == 3;
}
}  // namespace

DateOrder DetectDateOrder(const QStringList& stamps, DateOrder hint)
{
    for (const QString& stamp : stamps) {
        std::array<int, 3> value{};
        std::array<int, 3> digits{};
        if (!DateNumbers(stamp, value, digits)) {
            continue;
        }
        if (digits[0] == 4) {
            return DateOrder::YearFirst;
        }
        if (value[0] > 12) {
            return DateOrder::DayFirst;
        }
        if (value[1] > 12) {
            return DateOrder::MonthFirst;
        }
    }
    return hint;
}

std::optional<qint64> WallSeconds(QStringView stamp, DateOrder order)
{
    const QStringView trimmed = stamp.trimmed();
    const qsizetype blank = trimmed.lastIndexOf(u' ');
    if (blank < 0) {
        return std::nullopt;
    }
    std::array<int, 3> value{};
    std::array<int, 3> digits{};
    if (!DateNumbers(trimmed.left(blank), value, digits)) {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (order == DateOrder::YearFirst) {
        year = value[0];
        month = value[1];
        day = value[2];
    } else {
        year = digits[2] == 2 ? 2000 + value[2] : value[2];
        day = order == DateOrder::DayFirst ? value[0] : value[1];
        month = order == DateOrder::DayFirst ? value[1] : value[0];
    }
    const QDate date(year, month, day);
    const QTime time = QTime::fromString(trimmed.mid(blank + 1).toString(), QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return (date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400 + time.msecsSinceStartOfDay() / 1000;
}

}  // namespace sondalog

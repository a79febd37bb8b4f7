#include "util/regional.h"

namespace sondalog {

Regional Regional::FromLocale(const QLocale& locale)
{
    Regional r;
    const QString point = locale.decimalPoint();
    r.decimalSign = point.isEmpty() ? QChar(u'.') : point.at(0);
    r.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    return r;
}

Regional Regional::System()
{
    return FromLocale(QLocale::system());
}

Regional Regional::French()
{
    return {u',', QStringLiteral("dd/MM/yyyy")};
}

Regional Regional::Point()
{
    return {u'.', QStringLiteral("yyyy-MM-dd")};
}

}  // namespace sondalog

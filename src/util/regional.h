#pragma once
// The PC's regional settings that shape numbers and dates: read once at start, passed in.

#include <QChar>
#include <QLocale>
#include <QString>

namespace sondalog {

struct Regional {
    QChar decimalSign = u',';
    QString shortDateFormat = QStringLiteral("dd/MM/yyyy");  ///< a QDateTime format

    static Regional FromLocale(const QLocale& locale);
    static Regional System();
    static Regional French();
    static Regional Point();
};

}  // namespace sondalog

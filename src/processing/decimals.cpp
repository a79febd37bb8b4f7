#include "processing/decimals.h"

#include "util/text_utils.h"

namespace sondalog {

namespace {
QString UpperAscii(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'a' && c <= u'z') {
            c = QChar(c.unicode() - 32);
        }
    }
    return out;
}
}  // namespace

QString DecimalsFor(const QString& setting, const QString& key)
{
    QString text = UpperAscii(setting);
    text.replace(u'=', u';');
    const QString upperKey = UpperAscii(key);
    const qsizetype at = upperKey.isEmpty() ? -1 : text.indexOf(upperKey);
    const int p = static_cast<int>(at + 1);  // 1-based, 0 when absent
    QString field = FieldText(text, (p + 1) / 2 + 1, u';');
    // Digits only: the decimal sign plays no part in a count of decimals.
    NormalizeDecimal(field, u'.');
    return KeepOnly(field, QStringLiteral("+-0123456789"));
}

}  // namespace sondalog

// Keeping only some characters of a text (the value characters of a field, the characters of a time); the callers
// that run per reading make their set of allowed characters once.
#include "util/text_utils.h"

#include <algorithm>
#include <array>

namespace sondalog {

namespace {
QString KeepOnlyOf(QStringView text, const CharSet& set)
{
    QString out(text.size(), Qt::Uninitialized);
    KeepOnlyInto(out, text, set);
    return out;
}
}  // namespace

void KeepOnlyInto(QString& out, QStringView text, const CharSet& set)
{
    // Runs on every received value: fill a buffer in place rather than append char by char.
    out.resize(text.size());
    QChar* p = out.data();
    for (const QChar c : text) {
        if (set.Has(c)) {
            *p++ = c;
        }
    }
    out.truncate(p - out.constData());
}

QString KeepOnly(QStringView text, const CharSet& set)
{
    return KeepOnlyOf(text, set);
}

QString KeepOnly(const QString& text, const CharSet& set)
{
    // Most texts keep every character: they are handed back shared, not copied.
    if (std::all_of(text.cbegin(), text.cend(), [&](QChar c) { return set.Has(c); })) {
        return text;
    }
    return KeepOnlyOf(text, set);
}

QString KeepOnly(QStringView text, QStringView allowed)
{
    return KeepOnlyOf(text, CharSet(allowed));
}

}  // namespace sondalog

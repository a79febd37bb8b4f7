#include "util/line_field.h"

#include "util/text_utils.h"

namespace sondalog {

QStringList SplitFields(const QString& text, QChar sep)
{
    QString work = text;
    if (sep == u' ') {
        const QString two(2, sep);
        while (work.contains(two)) {
            work.replace(two, QString(sep));
        }
    }
    if (work.isEmpty()) {
        return {};
    }
    if (!work.startsWith(sep)) {
        work.prepend(sep);
    }
    if (!work.endsWith(sep)) {
        work.append(sep);
    }
    QStringList parts = work.split(sep);
    // The text before the first separator and after the last are not fields.
    if (parts.size() < 2) {
        return {};
    }
    return parts.mid(1, parts.size() - 2);
}

QString LineField(const QString& text, int n, QChar sep)
{
    if (n <= 0) {
        return {};
    }
    const QStringList fields = SplitFields(text, sep);
    if (n > fields.size()) {
        return {};
    }
    return TrimSpaces(fields.at(n - 1));
}

QString DropControlChars(const QString& text, int threshold)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= threshold) {
            out.append(c);
        }
    }
    return out;
}

QString RemoveChar(QChar c, const QString& text)
{
    QString out = text;
    out.remove(c);
    return out;
}

}  // namespace sondalog

#include "util/line_field.h"

#include "util/text_utils.h"

namespace sondalog {

QStringList SplitFields(const QString& text, QChar sep)
{
    if (sep == u' ') {
        // Runs of blanks are one separator, and blanks at the ends open or close the text,
        // so the fields are exactly the non-empty words.
        return text.split(sep, Qt::SkipEmptyParts);
    }
    if (text.isEmpty()) {
        return {};
    }
    QStringList parts = text.split(sep);
    // A separator at either end is the text's own opening or closing one, not an empty field.
    if (text.startsWith(sep)) {
        parts.removeFirst();
    }
    if (text.endsWith(sep) && !parts.isEmpty()) {
        parts.removeLast();
    }
    return parts;
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
    QString out(text.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (const QChar c : text) {
        if (c.unicode() >= threshold) {
            *p++ = c;
        }
    }
    out.truncate(p - out.constData());
    return out;
}

QString RemoveChar(QChar c, const QString& text)
{
    QString out = text;
    out.remove(c);
    return out;
}

}  // namespace sondalog

#include "cli/cli_options.h"

namespace sondalog::cli {

Options ParseOptions(const QStringList& args, const QStringList& withValue, const QStringList& flags)
{
    Options o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a.startsWith(QLatin1String("--"))) {
            if (flags.contains(a)) {
                o.values.insert(a, QString());
            } else if (withValue.contains(a)) {
                if (i + 1 >= args.size()) {
                    o.error = QStringLiteral("option %1 needs a value").arg(a);
                    return o;
                }
                o.values.insert(a, args.at(++i));
            } else {
                o.error = QStringLiteral("unknown option %1").arg(a);
                return o;
            }
        } else {
            o.positional << a;
        }
    }
    return o;
}

QString EscapeControls(const QString& text)
{
    // A file's bytes never reach the terminal as commands (ESC sequences, NUL, a bell): written as \xNN.
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0)) {
            out += QStringLiteral("\\x%1").arg(static_cast<int>(u), 2, 16, QChar(u'0'));
        } else {
            out += c;
        }
    }
    return out;
}

QString KeyValue(const QString& key, const QString& value)
{
    return key + u'=' + EscapeControls(value);
}

}  // namespace sondalog::cli

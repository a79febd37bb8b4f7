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

QString KeyValue(const QString& key, const QString& value)
{
    return key + u'=' + value;
}

}  // namespace sondalog::cli

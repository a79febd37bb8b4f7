#include "app/startup.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "instrument/parameter_file.h"
#include "util/regional.h"
#include "util/text_file.h"
#include "util/text_utils.h"

#include <QCoreApplication>
#include <QTextStream>

namespace sondalog::cli {

namespace {
QString SeparatorText(QChar c)
{
    if (c == u' ') {
        return QStringLiteral("blank");
    }
    if (c == u'\t') {
        return QStringLiteral("tab");
    }
    return QString(c);
}

void PrintQuantity(QTextStream& out, const QString& q, const QuantityConfig& c)
{
    auto kv = [&](const QString& key, const QString& value) { out << KeyValue(q + u'.' + key, value) << '\n'; };
    kv(QStringLiteral("name"), c.name);
    kv(QStringLiteral("unit"), c.unit);
    kv(QStringLiteral("axisMax"), ShortestReal(c.axisMax));
    kv(QStringLiteral("axisMin"), ShortestReal(c.axisMin));
    kv(QStringLiteral("graduation"), ShortestReal(c.graduation));
    kv(QStringLiteral("colour"), RgbText(c.colour));
    kv(QStringLiteral("thickness"), QString::number(c.thickness));
    kv(QStringLiteral("marker"), c.marker);
    kv(QStringLiteral("markerNote"), c.markerNote);
    kv(QStringLiteral("separator"), SeparatorText(c.separator));
    kv(QStringLiteral("occurrence"), QString::number(c.occurrence));
    kv(QStringLiteral("timeMarkChar"), QString(c.timeMarkChar));
    kv(QStringLiteral("timeMarkCount"), QString::number(c.timeMarkCount));
}
}  // namespace

int ConfigCommand(const QStringList& args)
{
    QTextStream err(stderr);
    const Options o = ParseOptions(args, {QStringLiteral("--config-dir"), QStringLiteral("--write-example")}, {});
    if (!o.error.isEmpty() || !o.positional.isEmpty()) {
        err << "sondalog-cli config: " << (o.error.isEmpty() ? QStringLiteral("unexpected argument") : o.error)
            << '\n';
        return 2;
    }
    if (o.Has(QStringLiteral("--write-example"))) {
        InstrumentTable table;
        FillExampleRows(table);
        const QString failure =
            WriteFileAtomically(o.Value(QStringLiteral("--write-example")), JoinCrLf(TableFileLines(table)));
        if (!failure.isEmpty()) {
            err << "sondalog-cli config: " << failure << '\n';
            return 1;
        }
        return 0;
    }
    const Regional regional = Regional::System();
    const ConfigPaths paths =
        ConfigPaths::Resolve(o.Value(QStringLiteral("--config-dir")), QCoreApplication::applicationDirPath());
    const Startup s = LoadStartup(paths, regional.decimalSign, [&](const QString& text) { err << text << '\n'; });

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    const ActiveInstrument& a = s.config.active;
    out << KeyValue(QStringLiteral("activeRow"), QString::number(a.activeRow)) << '\n'
        << KeyValue(QStringLiteral("instrumentName"), a.instrumentName) << '\n'
        << KeyValue(QStringLiteral("interval"), QString::number(a.interval)) << '\n'
        << KeyValue(QStringLiteral("endOfBlock"), a.endOfBlock) << '\n'
        << KeyValue(QStringLiteral("portDescription"), a.portDescription) << '\n';
    PrintQuantity(out, QStringLiteral("q1"), s.config.q1);
    PrintQuantity(out, QStringLiteral("q2"), s.config.q2);
    const QStringList values = SettingsValues(s.settings);
    for (int i = 0; i < values.size(); ++i) {
        out << KeyValue(QStringLiteral("prm.%1").arg(i + 1), values.at(i)) << '\n';
    }
    return s.writeFailures.isEmpty() ? 0 : 1;
}

}  // namespace sondalog::cli

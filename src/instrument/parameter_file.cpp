#include "instrument/parameter_file.h"

#include "instrument/row_text.h"
#include "util/text_file.h"
#include "util/text_utils.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

namespace sondalog {

namespace {
// A guard against a corrupted row count allocating without bound; real tables have 11 rows.
constexpr int kMaxRows = 1000;

std::optional<int> WholeNumber(const QString& line)
{
    static const QRegularExpression whole(QStringLiteral(R"(^\s*([+-]?\d{1,9})\s*$)"));
    const QRegularExpressionMatch m = whole.match(line);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return m.captured(1).toInt();
}

void Tell(const TableFileCallbacks& cb, const QString& text)
{
    if (cb.info) {
        cb.info(text);
    }
}

bool Ask(const TableFileCallbacks& cb, const QString& question)
{
    return !cb.confirm || cb.confirm(question);
}

void StartFromExample(InstrumentTable& table, const QString& path, const TableFileCallbacks& cb)
{
    FillExampleRows(table);
    SaveTableFile(table, path, cb);
    if (cb.saveSettings) {
        cb.saveSettings();
    }
}
}  // namespace

QString AskLoadExample(const QString& examplePath)
{
    return QStringLiteral(" écraser les PARAMETRES avec l' exemple ") + examplePath + QStringLiteral(" ?");
}

QString ExampleMissing(const QString& examplePath)
{
    return QStringLiteral("fichier <") + examplePath + QStringLiteral("> introuvable ...");
}

void FillExampleRows(InstrumentTable& table)
{
    for (int i = 1; i < table.RowCount(); ++i) {
        table.SetRow(i, FieldsToCells(ReadRowFields(ExampleRowText(i))));
    }
}

TableLoad LoadTableFile(InstrumentTable& table, const QString& path, bool ask, const TableFileCallbacks& cb,
                        bool keepBadAside)
{
    if (ask && !Ask(cb, QStringLiteral(" écraser les PARAMETRES actuels avec ceux enregistrés ?"))) {
        return TableLoad::Cancelled;
    }
    const std::optional<QStringList> read = QFile::exists(path) ? ReadTextLines(path) : std::nullopt;
    if (!read) {
        Tell(cb, QStringLiteral("fichier de paramètrage <") + path + QStringLiteral(">  non trouvé ..."));
        StartFromExample(table, path, cb);
        return TableLoad::Missing;
    }
    const QStringList& lines = *read;
    const std::optional<int> columns = lines.size() > 0 ? WholeNumber(lines.at(0)) : std::nullopt;
    const std::optional<int> rows = lines.size() > 1 ? WholeNumber(lines.at(1)) : std::nullopt;
    if (!columns || !rows || *rows < 2 || *rows > kMaxRows) {
        if (!keepBadAside) {
            Tell(cb, QStringLiteral("fichier de paramètrage <") + path +
                         QStringLiteral("> illisible : le tableau n'a pas été modifié ..."));
            return TableLoad::Cancelled;
        }
        // Never overwrite what the user may still want to recover.
        const QString bad = path + QStringLiteral(".bad");
        QFile::remove(bad);
        QFile::rename(path, bad);
        Tell(cb, QStringLiteral("fichier de paramètrage <") + path + QStringLiteral("> illisible : conservé sous <") +
                     bad + QStringLiteral(">, les paramètres de l'exemple sont utilisés ..."));
        StartFromExample(table, path, cb);
        return TableLoad::Bad;
    }
    if (*columns != table.ColumnCount()) {
        Tell(cb, QStringLiteral("le nombre de colonnes a changé de ") + QString::number(*columns) +
                     QStringLiteral("  à  ") + QString::number(table.ColumnCount()) +
                     QStringLiteral(" il faudra réenregistrer"));
    }
    table.SetRowCount(*rows);
    for (int i = 1; i < *rows; ++i) {
        const qsizetype at = i + 2;
        QString line = at < lines.size() ? lines.at(at) : QString();
        if (IsQuasiEmpty(line)) {
            line = ExampleRowText(i);
        }
        table.SetRow(i, FieldsToCells(ReadRowFields(line)));
    }
    return TableLoad::Loaded;
}

QStringList TableFileLines(const InstrumentTable& table)
{
    QStringList lines;
    lines << QString::number(table.ColumnCount()) << QString::number(table.RowCount());
    for (int r = 0; r < table.RowCount(); ++r) {
        lines << WriteRowText(table.Row(r));
    }
    return lines;
}

bool SaveTableFile(InstrumentTable& table, const QString& path, const TableFileCallbacks& cb)
{
    if (table.RowCount() > 1 && IsQuasiEmpty(WriteRowText(table.Row(1))) &&
        !Ask(cb, QStringLiteral("la ligne 1 du tableau est quasi vide, risque d'écraser des valeurs antérieures "
                                "\n         continuer ?"))) {
        return false;
    }
    const QString failure = WriteFileAtomically(path, JoinCrLf(TableFileLines(table)));
    if (!failure.isEmpty()) {
        Tell(cb, QStringLiteral("Impossible de créer le fichier %1").arg(path) + QStringLiteral(" (") + failure +
                     QStringLiteral(")"));
        return false;
    }
    table.modified = false;
    return true;
}

InstrumentConfig SaveTableAndApply(InstrumentTable& table, const QString& path, int previousActiveRow,
                                   QChar decimalSign, const TableFileCallbacks& cb)
{
    SaveTableFile(table, path, cb);
    InstrumentConfig config = ApplyInstrumentTable(table, previousActiveRow, decimalSign, cb.info);
    if (cb.saveSettings) {
        cb.saveSettings();
    }
    return config;
}

}  // namespace sondalog

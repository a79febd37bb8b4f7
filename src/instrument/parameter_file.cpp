#include "instrument/parameter_file.h"

#include "instrument/row_text.h"
#include "util/text_file.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <optional>

namespace sondalog {

namespace {
/// Up to this many rows a count beyond the file's lines is taken as it is (example rows fill in).
constexpr int kGenerousRows = 1000;

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

/// "<path>.bad", else "<path>.bad2", "<path>.bad3" …: an earlier unreadable table is never replaced.
QString FreeBadName(const QString& path)
{
    QString bad = path + QStringLiteral(".bad");
    for (int k = 2; QFileInfo::exists(bad) || QFileInfo(bad).isSymLink(); ++k) {
        bad = path + QStringLiteral(".bad") + QString::number(k);
    }
    return bad;
}

/// Example rows in memory only: the file that is there could not be set aside, so it stays untouched.
void ExampleWithoutSaving(InstrumentTable& table, const QString& path, const TableFileCallbacks& cb)
{
    FillExampleRows(table);
    Tell(cb, Message(QT_TRANSLATE_NOOP("sondalog::Messages",
                                       "fichier de paramètrage <%1> illisible et impossible à renommer : il n'a pas été "
                                       "modifié, les paramètres de l'exemple sont utilisés sans être enregistrés ..."))
                 .arg(path));
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
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", " écraser les PARAMETRES avec l' exemple %1 ?")).arg(examplePath);
}

QString ExampleMissing(const QString& examplePath)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fichier <%1> introuvable ...")).arg(examplePath);
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
    if (ask && !Ask(cb, Message(QT_TRANSLATE_NOOP("sondalog::Messages", " écraser les PARAMETRES actuels avec ceux enregistrés ?")))) {
        return TableLoad::Cancelled;
    }
    const QFileInfo info(path);
    const bool present = info.exists() || info.isSymLink();
    if (!present) {
        Tell(cb, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fichier de paramètrage <%1>  non trouvé ...")).arg(path));
        StartFromExample(table, path, cb);
        return TableLoad::Missing;
    }
    const std::optional<QStringList> read = ReadConfigLines(path);
    const TableParse parsed = read ? ParseTableLines(table, *read) : TableParse{};
    if (!parsed.ok) {
        if (!keepBadAside) {
            Tell(cb, Message(QT_TRANSLATE_NOOP("sondalog::Messages",
                                               "fichier de paramètrage <%1> illisible : le tableau n'a pas été modifié ..."))
                         .arg(path));
            return TableLoad::Cancelled;
        }
        // Never overwrite what the user may still want to recover: set it aside under a free name,
        // and if even that fails, leave it where it is and write nothing over it.
        const QString bad = FreeBadName(path);
        if (!info.isFile() || !QFile::rename(path, bad)) {
            ExampleWithoutSaving(table, path, cb);
            return TableLoad::Bad;
        }
        Tell(cb, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fichier de paramètrage <%1> illisible : conservé sous "
                                                                 "<%2>, les paramètres de l'exemple sont utilisés ..."))
                     .arg(path, bad));
        StartFromExample(table, path, cb);
        return TableLoad::Bad;
    }
    if (parsed.columnCount != table.ColumnCount()) {
        Tell(cb, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "le nombre de colonnes a changé de %1  à  %2 il faudra "
                                                                 "réenregistrer"))
                     .arg(parsed.columnCount)
                     .arg(table.ColumnCount()));
    }
    return TableLoad::Loaded;
}

TableParse ParseTableLines(InstrumentTable& table, const QStringList& lines)
{
    TableParse parsed;
    constexpr int kNotANumber = std::numeric_limits<int>::min();
    const int columnCount = lines.size() > 0 ? WholeNumber(lines.at(0)).value_or(kNotANumber) : kNotANumber;
    const int announcedRows = lines.size() > 1 ? WholeNumber(lines.at(1)).value_or(kNotANumber) : kNotANumber;
    if (columnCount == kNotANumber || announcedRows < 2) {
        return parsed;  // cannot be a table: nothing changed
    }
    parsed.ok = true;
    parsed.columnCount = columnCount;
    // Rows past the file's end read as example rows, but a count far beyond the file's lines
    // (a corrupted count) takes only the rows the file holds: nothing allocated without bound.
    const int held = static_cast<int>(std::min<qsizetype>(lines.size() - 2, std::numeric_limits<int>::max()));
    const int rowCount = announcedRows <= std::max(held, kGenerousRows) ? announcedRows : std::max(held, kTableRows);
    table.SetRowCount(rowCount);
    for (int i = 1; i < rowCount; ++i) {
        const qsizetype at = i + 2;
        QString line = at < lines.size() ? lines.at(at) : QString();
        if (IsQuasiEmpty(line)) {
            line = ExampleRowText(i);
        }
        table.SetRow(i, FieldsToCells(ReadRowFields(line)));
    }
    return parsed;
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
        !Ask(cb, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "la ligne 1 du tableau est quasi vide, risque "
                                                                 "d'écraser des valeurs antérieures \n         continuer ?")))) {
        return false;
    }
    const QString failure = WriteFileAtomically(path, JoinCrLf(TableFileLines(table)));
    if (!failure.isEmpty()) {
        Tell(cb, Message(kCannotCreateFileMessage).arg(path) + QStringLiteral(" (") + failure +
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

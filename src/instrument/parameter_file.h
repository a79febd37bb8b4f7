#pragma once
// The parameter file: the instrument table dumped line by line (column count, row count, rows).

#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"
#include "util/messages.h"

#include <QString>

#include <functional>

namespace sondalog {

struct TableFileCallbacks {
    Confirm confirm;                    ///< yes/no questions; absent means Yes
    InfoSink info;                      ///< information messages
    std::function<void()> saveSettings; ///< writes the settings file (first run, table saves)
};

enum class TableLoad {
    Cancelled,  ///< the user answered No: nothing changed
    Loaded,
    Missing,    ///< no file: example rows, file created
    Bad,        ///< unreadable header: kept aside, example rows, file created
};

/// Rows 1 .. count-1 become the example rows for their positions.
void FillExampleRows(InstrumentTable& table);

/// Reads a parameter or example file into the table (does not apply it). A file whose first two
/// lines are not whole numbers, that announces fewer than 2 rows or that cannot be read is moved to
/// "<path>.bad" (".bad2", … when taken) when `keepBadAside` is set (the parameter file) and the example
/// rows take its place; a file that cannot be moved aside is never overwritten.
TableLoad LoadTableFile(InstrumentTable& table, const QString& path, bool ask, const TableFileCallbacks& cb,
                        bool keepBadAside = true);

/// The lines of a parameter file read into the table (bytes already decoded): `ok` false, and
/// the table untouched, when the first two lines are not a table's counts.
struct TableParse {
    bool ok = false;
    int columnCount = 0;
};
TableParse ParseTableLines(InstrumentTable& table, const QStringList& lines);

/// Writes the table; asks first when row 1 is quasi-empty. True when the file was written.
bool SaveTableFile(InstrumentTable& table, const QString& path, const TableFileCallbacks& cb);

/// Saves the table, derives the configuration from it and saves the settings.
InstrumentConfig SaveTableAndApply(InstrumentTable& table, const QString& path, int previousActiveRow,
                                   QChar decimalSign, const TableFileCallbacks& cb);

/// The lines of the file the table would be saved as.
QStringList TableFileLines(const InstrumentTable& table);

// Texts of the parameters window's file buttons.
inline const char* const kSaveTableQuestion = QT_TRANSLATE_NOOP("sondalog::Messages", " enregistrer les PARAMETRES  ?");
QString AskLoadExample(const QString& examplePath);
QString ExampleMissing(const QString& examplePath);

}  // namespace sondalog

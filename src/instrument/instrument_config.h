#pragma once
// The run-time description of the connected instrument, derived from the active pair of the table.

#include "instrument/instrument_table.h"
#include "util/messages.h"
#include "util/rgb.h"

#include <QChar>
#include <QString>

namespace sondalog {

struct QuantityConfig {
    QString name;
    QString unit;
    double axisMax = 0;
    double axisMin = 0;
    double graduation = 0;
    Rgb colour;
    int thickness = 0;
    QString marker;
    QString markerNote;
    QChar separator = u' ';
    int occurrence = 0;
    QChar timeMarkChar = u':';
    int timeMarkCount = 2;

    // What the main window's axis boxes and labels show for this quantity.
    QString wholeName;  ///< the whole "grandeur" cell, unit part included
    QString maxText;
    QString minText;
    QString graduationText;
};

struct ActiveInstrument {
    int activeRow = 1;
    QString instrumentName;
    int interval = 1;
    QString endOfBlock = QStringLiteral("__");
    QString portDescription;
};

struct InstrumentConfig {
    ActiveInstrument active;
    QuantityConfig q1;
    QuantityConfig q2;
};

/// Derives the configuration from the table. Without any pair marked "x" the previous active
/// row stays in force. Cells that are not valid numbers count 0 and are reported through `info`.
InstrumentConfig ApplyInstrumentTable(const InstrumentTable& table, int previousActiveRow, QChar decimalSign,
                                      const InfoSink& info = {});

/// The separator a "séparateur" cell names: blank for "" or "espace", tab for "tabulation".
QChar SeparatorFromCell(const QString& cell);
/// R,G,B from a "couleur" cell; each component keeps its low 8 bits, a bad one counts 0.
Rgb ColourFromCell(const QString& cell);

}  // namespace sondalog

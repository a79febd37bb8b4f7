#pragma once
// One decoded reading becomes a sample: prefix conversion, baseline, peak, area, axes,
// the recorded line and every caption the windows show.

#include "instrument/instrument_config.h"
#include "processing/processing_state.h"
#include "util/record_store.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace sondalog {

/// What the windows must show after a reading; a caption left empty (nullopt) is unchanged.
struct DisplayTexts {
    std::optional<QString> Label_n;
    std::optional<QString> Label_n_parametres;  ///< the parameters window's Label_n
    std::optional<QString> Label_multiple_initial;
    std::optional<QString> Label_multiple_courant;
    std::optional<QString> Label7;
    bool showLabel7 = false;
    std::optional<QString> Label_zero;
    std::optional<QString> Label_hauteur;
    std::optional<QString> Label_y1_max_lu;
    std::optional<QString> Label_y1_min_lu;
    std::optional<QString> Label_y2_max_lu;
    std::optional<QString> Label_y2_min_lu;
    std::optional<QString> Label_val_grand1;
    std::optional<QString> Label_val_grand2;
    std::optional<QString> Label_grandeur1;
    std::optional<QString> Label_grandeur2;
    std::optional<QString> Label_heure;
    std::optional<QString> Label_tracage;
    std::optional<QString> Edit_y1_graduation;
    std::optional<QString> Edit_max_y1;
    std::optional<QString> Edit_min_y1;
    std::optional<QString> Edit_y2_graduation;
    std::optional<QString> Edit_max_y2;
    std::optional<QString> Edit_min_y2;

    QStringList recordLines;  ///< appended to both record lists (header first at n = 1)
    QStringList logLines;     ///< raw-line log (values received that were not numbers)
    bool stored = false;      ///< a sample was stored
    bool redraw = false;
    std::optional<int> viewLast;

    /// Every caption set, as (control name, text), in a fixed order.
    std::vector<std::pair<QString, QString>> Captions() const;
    /// Takes over every caption `newer` sets (the texts on screen after it).
    void MergeCaptions(const DisplayTexts& newer);
};

/// Called once per stored sample (the charts window's feed).
using ChartFeed = std::function<void(int n, const Sample&)>;

/// What processing reads from a decoded line alone, before the run's state has a say: it can be read
/// ahead of the processing (a replay reads it on the thread that assembles the blocks).
struct ReadingFields {
    int timeMarks = 0;         ///< time mark characters in the line
    bool ofQuantity1 = false;  ///< it holds quantity 1's marker and not its marker note
    int colons = 0;
    QChar prefix;              ///< the unit's first character, when the unit field is not empty
    bool hasPrefix = false;
    double value1 = 0;         ///< quantity 1, before the prefix conversion
    QString valueText2;        ///< quantity 2 as recorded
    double value2 = 0;
    QString phText;            ///< three probes: pH and oxygen as recorded
    QString oxText;
    double phValue = 0;
    double oxValue = 0;
    double value1Raw = std::numeric_limits<double>::quiet_NaN();
    QStringList log;           ///< the values that were not numbers, in the order they were read
    bool notFinite = false;    ///< a value was NaN or infinite: the line is no reading
    /// The record line's values (quantity 1 as recorded, quantity 2, the probes) as their Windows-1252 bytes,
    /// made ahead by PrepareRecordValues for a prefix factor of 1; used only while the factor is 1.
    QByteArray recordValues;
    bool recordValuesReady = false;
    /// Columns a line carries for the record after its values (a fluorometer's raw lamps and every tracer), each
    /// with its leading tab: what follows kExtraColumnsMark in the decoded line.
    QString extraColumns;
    /// The file's decimals for the run's decimals setting, read once while the setting stays the same.
    QString fileDecimalsSetting;
    int fileDecimals = 0;
    bool fileDecimalsKnown = false;
};

/// In a decoded line, what follows this mark goes to the record as extra columns and is no field to read.
inline const QString kExtraColumnsMark = QStringLiteral(" |\t");

/// Reads a decoded line's fields (the numbers only for a line of quantity 1).
ReadingFields ReadFields(const QString& line, const InstrumentConfig& config, const ProcessOptions& options);
/// The same into fields handed round again: their texts keep their room.
void ReadFields(ReadingFields& r, const QString& line, const InstrumentConfig& config, const ProcessOptions& options);

/// Reading ahead too: the record line's values part of a line of quantity 1 (see ReadingFields::recordValues).
void PrepareRecordValues(ReadingFields& read, const ProcessOptions& options);

/// What every line does before a reading is stored (the instrument time it may carry, the first reading's set-up),
/// with its fields read by ReadFields; true when it holds a reading to store. ProcessReading begins with it; a
/// line whose fields say it holds no reading may pass through it alone, no captions coming of it.
bool PassLine(ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options,
              const QString& line, const ReadingFields& read, QString& instrumentTime);

/// Processes one decoded line. `instrumentTime` belongs to the calling loop and may be rewritten.
DisplayTexts ProcessReading(ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options,
                            const QString& line, QString& instrumentTime, const QDateTime& now,
                            const ChartFeed& feed = {});
/// The same with the line's fields read ahead by ReadFields (with the same configuration and options),
/// when given; with `recordsDirect`, the record lines go straight into that store, not into `recordLines`.
DisplayTexts ProcessReading(ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options,
                            const QString& line, const ReadingFields* readAhead, QString& instrumentTime,
                            const QDateTime& now, const ChartFeed& feed, RecordStore* recordsDirect);

/// The captions of the run's last reading (values, baseline, area, times), into `out`: made per
/// reading, and once at the end of a replay, which skips them on the way.
void LastReadingCaptions(DisplayTexts& out, const ProcessingState& state, const InstrumentConfig& config,
                         const ProcessOptions& options);

/// The recorded header line for the run's first reading.
QString RecordHeader(const ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options);

}  // namespace sondalog

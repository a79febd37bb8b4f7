#pragma once
// A field fluorometer's logged files, in their two layouts: the space-aligned one (three header lines,
// then index, yy/mm/dd-hh:mm:ss, R, the lamps L1–L4 in mV, baseline, battery, T, conductivity) and the
// newer tab-separated export (named columns, the logger's time with its UTC offset and the Unix time,
// "-" for a missing value).

#include "fluorometer/calibration.h"

#include <QDateTime>
#include <QStringList>

#include <optional>
#include <vector>

namespace sondalog {

struct FluorometerReading {
    int line = 0;           ///< in the file, from 1
    qint64 instantMs = 0;   ///< UTC; the space-aligned layout's clock is taken as it stands (a logger keeps no summer time)
    int offsetSeconds = 0;  ///< the logger's clock minus UTC, when the file gives it
    std::array<std::optional<double>, kLamps> lamps;  ///< mV of L1 … L4; empty for a missing value
    std::optional<double> temperature;   ///< °C
    std::optional<double> conductivity;
    /// The logger's own clock, as its file writes it.
    QDateTime LoggerTime() const;
};

/// Recording: one of Sondalog's recordings of a fluorometer, whose raw lamps follow its usual columns.
enum class FluorometerLayout { None, SpaceAligned, TabSeparated, Recording };

struct FluorometerFile {
    FluorometerLayout layout = FluorometerLayout::None;
    QString instrument;  ///< the number in the title, when there is one
    std::vector<FluorometerReading> readings;
    QString error;  ///< empty when read; else why not, naming the line
    int t0Reading = 0;  ///< a recording's t0 (1-based; the reading before the first trace time), 0 when none
};

/// "ligne N : what": every message about a file's content names its line (from 1).
QString LineMessage(int line, const QString& what);
/// A lamp's (or T's) value as a file writes it: empty or `missing` is no value; else a number with a point or a
/// comma, or false (not a number: the caller names the line).
bool LampValue(const QString& text, const QString& missing, std::optional<double>& out);

/// Which layout the first lines show (None: neither).
FluorometerLayout DetectFluorometerLayout(const QStringList& head);
/// The file's lines read whole: a row that matches neither its layout nor its header, a lamp missing from a
/// row, a time that cannot be read or goes back stop the reading with the line named.
FluorometerFile ReadFluorometerLines(const QStringList& lines);
FluorometerFile ReadFluorometerFile(const QString& path);

}  // namespace sondalog

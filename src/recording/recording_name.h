#pragma once
// The name of a recording file: date and time, prefix, readings, amplitude.

#include "util/number_format.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace sondalog {

/// max - min rounded half to even; 0 unless both captions are numbers.
qint64 Amplitude(const QString& maxCaption, const QString& minCaption);
/// "2026-12-06 23H22'36".
QString DatePrefix(const QDateTime& now);
/// The characters that cannot stand in a file name on Windows or Linux become '_'.
QString SafeFileName(const QString& name);

struct RecordingNameParts {
    QString prefix;        ///< Edit_Prefixe
    bool demo = false;     ///< "demo" replaces the prefix
    bool withDate = true;  ///< CheckBox_date_heure
    QDateTime now;
    int sampleCount = 0;
    QString maxCaption;    ///< Label_y1_max_lu
    QString minCaption;    ///< Label_y1_min_lu
};

/// The name part before the readings: date prefix and prefix (or "demo"); empty means no file.
QString RecordingBaseName(const RecordingNameParts& parts);
/// The whole file name, made safe for the file system.
QString RecordingFileName(const RecordingNameParts& parts);

}  // namespace sondalog

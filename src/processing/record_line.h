#pragma once
// The line a reading leaves in the record list and the recording: its stamp, reading number, instrument time,
// trace time, quantity 1 as recorded, quantity 2 and the probes, with the recording's decimal sign. A replay
// writes it straight into the record store as Windows-1252 bytes; a live run as a string for its lists.

#include "processing/process_reading.h"
#include "processing/sample_series.h"
#include "util/record_store.h"
#include "util/regional.h"

#include <QString>
#include <QStringView>

namespace sondalog {

/// What one record line is made of.
struct RecordLineParts {
    const SampleSeries& series;
    int n;
    bool stamp;                 ///< the sample's stamp first (a demonstration writes its own, in demoText)
    const Regional& regional;
    QStringView demoText;
    QStringView instrumentTime;
    QStringView traceText;      ///< empty before t0
    QStringView fileText1;      ///< quantity 1 as recorded (unused when the values part was made ahead)
    const ReadingFields& read;  ///< quantity 2 and the probes as recorded; the values part made ahead
    bool threeProbes;
    int fileSign;               ///< the recording's decimal sign: 0 a comma, 1 a point, else as read
};

/// The line appended to `store` as its bytes; with `valuesReady` its values part is `read.recordValues`.
void AppendRecordLine(RecordStore& store, const RecordLineParts& parts, bool valuesReady);
/// The same line as a string.
QString RecordLine(const RecordLineParts& parts);

/// The decimals quantity 1 is recorded with (the decimals setting's "F").
int FileDecimals(const QString& decimalsSetting);

}  // namespace sondalog

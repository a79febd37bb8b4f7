#pragma once
// Opening stored files: the program's own recordings (to view or continue them) and the
// instrument's AUTO logging files (decoded as if their lines came from the serial link).

#include "acquisition/reading_run.h"
#include "acquisition/stored_lines.h"
#include "processing/processing_state.h"
#include "recording/recording_writer.h"

#include <QString>
#include <QStringList>

namespace sondalog {

/// Lines per block of the end-of-block marker; 0 when no block is found (or blocks of 50).
int BlockLength(const QStringList& lines, const QString& marker);
/// True when one of the lines is a CSV instrument's reading (its logging file has no end-of-block line).
bool HoldsCsvReadings(const QStringList& lines, const QuantityConfig& q1);

inline const char* const kOpenChoiceMessage = QT_TRANSLATE_NOOP("sondalog::Messages",
    "\n ____________________________  Ouverture de fichiers textes ______________________________________________ "
    "\n\n2 options \n      Fichiers SondaLOG enregistrés avec ce logiciel\n      Fichiers d'acquisition AUTOmatique "
    "enregistrés avec le Multimètre lui même\n\n");
/// The question when an own recording was chosen but the file has blocks.
QString LooksLikeAutoQuestion(const QString& fileName, int blockLength);
/// The question when an AUTO file was chosen but no block marker was found.
QString LooksLikeOwnQuestion(const QString& fileName, const QString& endOfBlock);

struct OwnRecordingLoad {
    int count = 0;
    QString Label_multimetre;
    QString Edit_Prefixe;
    QString Label_n;  ///< "n = 1 500"
    ViewWindow view;
    /// t0: the last reading before Go, the one before the first whose "heure-traçage" column is filled (0: none),
    /// as the live run marks it.
    int tracingStart = 0;
    QDateTime tracingStartTime;  ///< t0's instant, from that reading's time and its trace time
};


/// Rebuilds the series from an own recording (columns 1, 5, 6, 7, 8). A stamp the PC's date
/// format cannot read is kept as text and gives the area no interval.
/// `progress` (fraction done) may stop the load by returning false.
OwnRecordingLoad LoadOwnRecording(const QStringList& lines, ProcessingState& state, const Regional& regional,
                                  const Progress& progress = {});
/// The same, the lines pulled one at a time (a file read as it goes); `lineCount` sizes the series.
OwnRecordingLoad LoadOwnRecording(const NextLine& next, int lineCount, ProcessingState& state,
                                  const Regional& regional, const Progress& progress = {},
                                  const std::function<double()>& fraction = {});

struct AutoFileLoad {
    QString Label_nmax_nf;             ///< expected readings, "   => 1234"
    QString Label_n;                   ///< "n = 1 234"
    QString Label_n_parametres;        ///< "1 234"
    std::optional<QString> label21;    ///< the last stamp warning, if any
};

/// The expected-readings caption: line count (with "fin") div block length, minus 1.
QString ExpectedReadings(int lineCount, int blockLength);

/// Decodes an AUTO file's lines as a new run (first four lines skipped, "fin" appended), each
/// reading processed and recorded as in a live run. `progress` gets the fraction done.
AutoFileLoad LoadAutoFile(const QStringList& lines, ReadingRun& run, const Progress& progress = {},
                          const std::function<void()>& beforeLine = {});
/// The same, the lines pulled one at a time; `lineCount` (-1: unknown) and the block length of
/// the file's first lines give the expected count.
AutoFileLoad LoadAutoFile(const NextLine& next, int lineCount, int blockLength, ReadingRun& run,
                          const Progress& progress = {}, const std::function<double()>& fraction = {},
                          const std::function<void()>& beforeLine = {});

}  // namespace sondalog

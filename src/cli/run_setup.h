#pragma once
// What the run commands (demo, replay) share: options, configuration, clock, summary.

#include "acquisition/reading_run.h"
#include "app/startup.h"
#include "cli/cli_options.h"
#include "recording/run_journal.h"
#include "acquisition/stored_files.h"
#include "util/clock.h"
#include "util/line_reader.h"
#include "util/regional.h"

#include <QTextStream>

#include <memory>
#include <optional>

namespace sondalog::cli {

/// The options every run command takes.
QStringList RunValueOptions();

struct RunSetup {
    Startup startup;
    ConfigPaths paths;
    Regional regional;
    std::unique_ptr<Clock> clock;
    std::optional<int> t0;  ///< Go when sampleCount reaches it
    bool t0Marked = false;
};

/// Reads the common options; nullopt (with a message on `err`) when they do not fit.
std::optional<RunSetup> PrepareRun(const Options& o, QTextStream& err);

/// The run's configuration and options from the setup and the settings ("démo" applies the
/// demonstration set-up).
/// Empty text when the run may go; else why not (a fluorometer without a calibration that converts).
QString ConfigureRun(ReadingRun& run, const RunSetup& setup, const Settings& settings);

/// Presses Go when the reading count has reached --t0.
void MaybeMarkT0(RunSetup& setup, ReadingRun& run);

/// n, t0, baseline, area, axes and captions as key=value lines.
void PrintSummary(QTextStream& out, const ReadingRun& run);

/// Writes the record list as a recording file would hold it; false (with a message) on failure.
bool WriteRecords(const QString& path, const RecordStore& records, QTextStream& err, QString* why = nullptr);

/// With --save: every record line goes to a run journal in the folder's backup sub-folder as it
/// is made (a kill loses nothing already read). The journal is removed by `FinishRun` once saved.
void StartJournal(const Options& o, const RunSetup& setup, ReadingRun& run, RunJournal& journal, QTextStream& err);

/// WriteRunFiles, then the journal removed when the run was saved (kept when it was not).
bool FinishRun(const Options& o, const RunSetup& setup, const ReadingRun& run, RunJournal& journal,
               QTextStream& out, QTextStream& err);

/// --out and --save after a run: the record list as a file, and the recording Stop + save
/// would write into the --save folder ("saved=<path>" on `out`). False when a write failed.
bool WriteRunFiles(const Options& o, const RunSetup& setup, const ReadingRun& run, QTextStream& out,
                   QTextStream& err, QString* why = nullptr);

/// A stored file read as it goes: its first lines held (to look for blocks), the rest streamed.
class StoredSource {
public:
    explicit StoredSource(const QString& path);
    bool IsOpen() const { return reader_.IsOpen(); }
    /// The file's first lines (up to 101: enough to find its blocks).
    const QStringList& Head() const { return head_; }
    bool Next(QString& line);
    double Fraction() const { return reader_.Fraction(); }
    const QString& Path() const { return path_; }
    /// After a read: true, with the reason on `err`, when the file proved not to be text or could not be read
    /// to its end (nothing of it may then be given as a result).
    bool Refused(QTextStream& err) const;

private:
    QString path_;
    LineReader reader_;
    QStringList head_;
    qsizetype headPos_ = 0;
};

/// Opens a stored file; nullptr (with "Impossible d'ouvrir le fichier ...") when unreadable.
std::unique_ptr<StoredSource> OpenStoredFile(const QString& path, QTextStream& err);

/// --as auto or own; without it, the file's blocks decide (and `err` says how it was read).
bool ReadAsAuto(const QString& as, const QString& path, const QStringList& head, const RunSetup& setup,
                QTextStream& err);

/// An instrument's file decoded as the string mode would: the run holds the readings.
/// Empty text when decoded; else why the file could not be (a fluorometer without a usable calibration).
QString DecodeAutoFile(RunSetup& setup, ReadingRun& run, StoredSource& source);
/// One of Sondalog's recordings read back into `state`.
OwnRecordingLoad ReadOwnRecording(const RunSetup& setup, ProcessingState& state, StoredSource& source);

}  // namespace sondalog::cli

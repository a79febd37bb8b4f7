#pragma once
// The run controller: one tracer test from Start to the last save. It owns the reading run, the
// acquisition session, the recording writer, the run journal and the automatic backup, and keeps
// the orderings that stop a test from being lost: a save before anything is cleared, an exit only
// once every save succeeded, the journal removed only once every line is in a file. No widgets:
// the windows show what it says and ask what it asks through `confirm`.

#include "acquisition/acquisition_session.h"
#include "acquisition/reading_run.h"
#include "acquisition/stored_file_load.h"
#include "app/run_state.h"
#include "app/settings.h"
#include "recording/recording_writer.h"
#include "recording/run_journal.h"
#include "util/clock.h"
#include "util/messages.h"
#include "util/regional.h"

#include <QObject>
#include <QTimer>

namespace sondalog {

/// What a run needs from the settings to name its files.
struct RecordingSetup {
    QString workingDirectory;
    QString prefix;         ///< Edit_Prefixe
    bool demo = false;      ///< the demonstration: "demo" names the files
    bool withDate = true;   ///< CheckBox_date_heure
};

/// What Start (or a link test) opens: the session's settings and the run's configuration.
struct LinkRequest {
    SessionSettings session;
    InstrumentConfig config;
    ProcessOptions options;
    BlockOptions blockOptions;
};

/// Made once the run is reset, so that it sees the new run's axes.
using LinkRequestSource = std::function<LinkRequest()>;

/// The outcome of Stop + save or of the exit's saves.
struct StopOutcome {
    bool stopped = false;  ///< false: the save failed and the run goes on as it was
    SaveResult save;
};

class RunController : public QObject {
    Q_OBJECT
public:
    RunController(Clock& clock, const Regional& regional, QObject* parent = nullptr);

    /// Questions and messages, answered and shown by the windows (tests answer them).
    Confirm confirm;
    InfoSink info;

    ReadingRun& run() { return run_; }
    const ReadingRun& run() const { return run_; }
    AcquisitionSession& session() { return *session_; }
    RecordingWriter& writer() { return writer_; }
    RunJournal& journal() { return journal_; }
    QTimer& backupTimer() { return backupTimer_; }
    RunState state() const { return state_; }
    void SetState(RunState state);

    /// The readings come from Start (recorded), not from a link test.
    bool recordingRun() const { return recordingRun_; }
    /// Start continues a recording that was opened or recovered.
    bool continuing() const { return continuing_; }
    /// t0 of an opened recording (its first trace time), 0 when none.
    int storedT0() const { return storedT0_; }
    const QString& continuedPath() const { return continuedPath_; }

    /// Where and under which name the recordings go (the settings store's values).
    void SetRecordingSetup(const RecordingSetup& setup) { setup_ = setup; }
    const RecordingSetup& recordingSetup() const { return setup_; }

    /// True when nothing unsaved would be cleared, or the user agrees to clear it.
    bool MayClearReadings();
    /// The record list emptied (the series stays).
    void ClearRecords();
    /// A new run on these axis limits: series, texts and the writer's memory of saves cleared.
    void ResetRun(const InstrumentConfig& limits);

    /// Start: the readings cleared (asked first when unsaved) unless a recording is continued, the
    /// journal begun, the backup armed, the link opened. False when the user kept the unsaved readings.
    bool Start(const LinkRequestSource& request, const InstrumentConfig& limits, bool autoBackup, int backupIntervalMs);
    /// "test COM": readings shown, nothing recorded. False when the user kept the unsaved readings.
    bool StartLinkTest(const LinkRequestSource& request, const InstrumentConfig& limits);
    void StopLinkTest();
    /// Opens the link on the run as it stands ("Open COM", and Start's last step).
    void OpenLink(const LinkRequest& request);
    /// Go: t0 at the next reading; false before any baseline reading.
    bool MarkT0();

    /// Writes the recording (or the backup); a failure leaves everything as it was.
    SaveResult Save(bool autoSaving);
    /// Stop + save: the save first; only when it succeeded the run stops and the journal goes.
    StopOutcome StopAndSave();
    /// The exit's part: `saveConfiguration` (settings and table) and the recording written; only when
    /// every one succeeded the ports close and the journal is closed. The failures, empty when done.
    QStringList Exit(const std::function<QStringList()>& saveConfiguration, SaveResult* saved = nullptr);
    /// The timer's backup: the journal checked, the backup written, the journal synced.
    void Backup();

    /// A journal left by a run that did not end: offered, recovered and continued on Yes.
    void OfferRecovery(const InstrumentConfig& limits);
    /// A recording's lines become the run to continue with Start.
    void ContinueRecording(const QStringList& lines, const QString& path, const InstrumentConfig& limits);
    /// A stored file decoded: its run adopted (an instrument's file as unsaved readings, an own
    /// recording as one to continue).
    void AdoptStoredFile(StoredFileResult&& result, const QString& path, bool asAuto, const QString& header,
                         const InstrumentConfig& limits);

signals:
    void stateChanged(RunState state);
    /// The record list changed (lines added, or a new list).
    void recordsChanged();
    /// A new run: the window clears the previous run's figures.
    void runReset();
    /// A recording was loaded to be continued: its figures and header.
    void recordingContinued(const OwnRecordingLoad& load, const QString& header);
    /// A save or a backup was attempted.
    void saveDone(const SaveResult& result, bool autoSaving);

private:
    void BeginJournal();
    /// The journal goes once every line is in a file.
    void SettleJournal();
    void ArmBackup(bool on, int intervalMs);

    Regional regional_;
    Clock& clock_;
    ReadingRun run_;
    AcquisitionSession* session_ = nullptr;
    RecordingWriter writer_;
    RunJournal journal_;
    QTimer backupTimer_;
    RecordingSetup setup_;
    RunState state_ = RunState::Idle;
    bool recordingRun_ = false;
    bool continuing_ = false;
    int storedT0_ = 0;
    QString continuedPath_;    ///< the recording a continued run goes on from (its journal begins with it)
    QString continuedHeader_;  ///< that recording's header, for its journal
};

}  // namespace sondalog

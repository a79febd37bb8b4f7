#include "app/run_controller.h"

#include "acquisition/stored_files.h"
#include "util/text_file.h"
#include "util/translate.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace sondalog {

RunController::RunController(Clock& clock, const Regional& regional, QObject* parent)
    : QObject(parent), regional_(regional), clock_(clock), run_(clock)
{
    session_ = new AcquisitionSession(run_, this);
    backupTimer_.setObjectName(QStringLiteral("Timer1"));
    backupTimer_.setInterval(kAutoSaveStartMs);
    connect(&backupTimer_, &QTimer::timeout, this, &RunController::Backup);
    run_.onRecordLines = [this](const QStringList& lines) {
        if (!recordingRun_) {
            return;  // a link test records nothing
        }
        const QString told = journal_.Append(lines);
        if (!told.isEmpty() && info) {
            info(told);
        }
    };
}

void RunController::SetState(RunState state)
{
    state_ = state;
    emit stateChanged(state);
}

bool RunController::MayClearReadings()
{
    if (!recordingRun_ || run_.state.series.sampleCount == 0 || !writer_.HasUnsavedLines(run_.records)) {
        return true;
    }
    return confirm && confirm(UnsavedReadingsQuestion(run_.state.series.sampleCount));
}

void RunController::ClearRecords()
{
    run_.records.clear();
    emit recordsChanged();
}

void RunController::ResetRun(const InstrumentConfig& limits)
{
    run_.config = limits;
    run_.state.ResetRun(limits);
    run_.stopRequested = false;
    run_.shown = DisplayTexts();
    writer_.ResetRun();
    storedT0_ = 0;
    emit runReset();
}

bool RunController::Start(const LinkRequestSource& request, const InstrumentConfig& limits, bool autoBackup,
                          int backupIntervalMs)
{
    if (!continuing_ && !MayClearReadings()) {
        return false;
    }
    run_.stopRequested = false;
    if (!continuing_) {
        ClearRecords();
        ResetRun(limits);
    }
    recordingRun_ = true;
    BeginJournal();
    ArmBackup(autoBackup, backupIntervalMs);
    writer_.ForgetAutoSave();
    SetState(RunState::Baseline);
    OpenLink(request());
    continuing_ = false;
    return true;
}

bool RunController::StartLinkTest(const LinkRequestSource& request, const InstrumentConfig& limits)
{
    if (!MayClearReadings()) {
        return false;
    }
    recordingRun_ = false;
    ClearRecords();
    ResetRun(limits);
    SetState(RunState::LinkTest);
    OpenLink(request());
    return true;
}

void RunController::StopLinkTest()
{
    SetState(RunState::Idle);
    session_->CloseSerial();
}

void RunController::OpenLink(const LinkRequest& request)
{
    run_.config = request.config;
    run_.options = request.options;
    run_.blockOptions = request.blockOptions;
    SessionSettings settings = request.session;
    // The session resets the run itself unless this run continues the series as it stands.
    settings.continuing = true;
    settings.runStartTime = clock_.Now();
    session_->Start(settings);
}

bool RunController::MarkT0()
{
    if (run_.state.series.sampleCount == 0) {
        return false;  // no baseline yet: t0 would stand before any reading
    }
    run_.MarkT0();
    SetState(RunState::Tracing);
    return true;
}

SaveResult RunController::Save(bool autoSaving)
{
    SaveRequest request;
    request.workingDirectory = setup_.workingDirectory;
    request.autoSaving = autoSaving;
    request.name.prefix = setup_.prefix;
    request.name.demo = setup_.demo;
    request.name.withDate = setup_.withDate;
    request.name.now = clock_.Now();
    request.name.sampleCount = run_.state.series.sampleCount;
    // The amplitude in the name is the run's own: its extremes as processing wrote them.
    request.name.maxCaption = run_.shown.Label_y1_max_lu.value_or(QStringLiteral("max lu"));
    request.name.minCaption = run_.shown.Label_y1_min_lu.value_or(QStringLiteral("min lu"));
    const SaveResult r = writer_.Write(run_.records, request);
    emit saveDone(r, autoSaving);
    return r;
}

StopOutcome RunController::StopAndSave()
{
    StopOutcome out;
    // The save comes first: when it fails the run goes on as it was and nothing is cleared.
    out.save = Save(false);
    if (!out.save.error.isEmpty()) {
        return out;
    }
    session_->RequestStop();
    SettleJournal();
    backupTimer_.stop();
    SetState(RunState::Idle);
    out.stopped = true;
    return out;
}

QStringList RunController::Exit(const std::function<QStringList()>& saveConfiguration, SaveResult* saved)
{
    const RunState before = state_;
    SetState(RunState::Exiting);
    // Everything is written before anything is closed: a save that fails stops the exit and leaves
    // the run and its readings as they were.
    QStringList failures = saveConfiguration ? saveConfiguration() : QStringList();
    if (writer_.HasUnsavedLines(run_.records)) {
        const SaveResult r = Save(false);
        if (!r.error.isEmpty()) {
            failures << r.error;
        } else if (saved) {
            *saved = r;
        }
    }
    if (!failures.isEmpty()) {
        SetState(before);
        return failures;
    }
    session_->ClosePorts();
    SettleJournal();
    journal_.Close();  // what was not saved stays in the journal, offered at the next start
    return {};
}

void RunController::Backup()
{
    // The folder deleted under the run: said at once, the journal written again where it was.
    const QString vanished = journal_.CheckStillThere();
    if (!vanished.isEmpty() && info) {
        info(vanished);
    }
    Save(true);
    journal_.SyncSoon();
}

void RunController::BeginJournal()
{
    const QString path = QDir(QDir(setup_.workingDirectory).filePath(kAutoSaveFolder))
                             .filePath(JournalFileName(clock_.Now(), setup_.demo ? QStringLiteral("demo") : setup_.prefix));
    // A continued recording's journal begins with the recording itself: after a crash it comes back whole, as one
    // numbering, never split over two files.
    QStringList preface;
    if (continuing_) {
        if (!continuedPath_.isEmpty()) {
            preface = ReadTextLines(continuedPath_).value_or(QStringList());
        }
        if (preface.isEmpty() && !continuedHeader_.isEmpty()) {
            preface << continuedHeader_;
        }
    }
    journal_.Begin(path, preface);
}

void RunController::SettleJournal()
{
    if (!run_.records.isEmpty() && !writer_.HasUnsavedLines(run_.records)) {
        journal_.Finish();
    }
}

void RunController::ArmBackup(bool on, int intervalMs)
{
    backupTimer_.setInterval(intervalMs);
    if (on) {
        backupTimer_.start();
    } else {
        backupTimer_.stop();
    }
}

void RunController::OfferRecovery(const InstrumentConfig& limits)
{
    QStringList live = FindLiveJournals(setup_.workingDirectory);
    live.removeAll(journal_.path());
    if (!live.isEmpty() && info) {
        info(LiveJournalMessage(live));
    }
    QList<InterruptedJournal> journals = FindInterruptedJournals(setup_.workingDirectory);
    // The latest first: it is the run most likely to be continued.
    std::reverse(journals.begin(), journals.end());
    for (const InterruptedJournal& j : journals) {
        if (j.path == journal_.path()) {
            continue;
        }
        if (!confirm || !confirm(RecoveryQuestion(j))) {
            SetJournalAside(j);
            continue;
        }
        const RecoveryResult r = RecoverJournal(j, setup_.workingDirectory);
        if (!r.error.isEmpty()) {
            if (info) {
                info(r.error);  // the journal stays where it is, to be offered again
            }
            return;
        }
        ContinueRecording(j.lines, r.path, limits);
        if (info) {
            info(Message(QT_TRANSLATE_NOOP("sondalog::Messages",
                                           "Acquisition interrompue enregistrée dans\n%1\n\n[Continue] la reprend à la mesure %2"))
                     .arg(r.path, QString::number(j.count + 1)));
        }
        return;
    }
}

void RunController::ContinueRecording(const QStringList& lines, const QString& path, const InstrumentConfig& limits)
{
    ClearRecords();
    ResetRun(limits);
    const OwnRecordingLoad load = LoadOwnRecording(lines, run_.state, regional_);
    storedT0_ = load.tracingStart;
    continuedPath_ = path;
    continuedHeader_ = lines.value(0);
    continuing_ = true;
    recordingRun_ = false;
    emit recordingContinued(load, continuedHeader_);
}

void RunController::AdoptStoredFile(StoredFileResult&& result, const QString& path, bool asAuto, const QString& header,
                                    const InstrumentConfig& limits)
{
    ClearRecords();
    ResetRun(limits);
    run_.state = std::move(result.state);
    if (asAuto) {
        run_.records = std::move(result.records);
        run_.instrumentTime = result.instrumentTime;
        run_.shown = result.shown;
        continuing_ = false;
        recordingRun_ = true;  // the decoded readings are unsaved until Stop + save writes them
        emit recordsChanged();
        return;
    }
    storedT0_ = result.own.tracingStart;
    continuedPath_ = path;
    continuedHeader_ = header;
    continuing_ = true;
    recordingRun_ = false;
    emit recordingContinued(result.own, header);
}

}  // namespace sondalog

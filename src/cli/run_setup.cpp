#include "cli/run_setup.h"

#include "acquisition/demo_generator.h"
#include "app/run_options.h"
#include "acquisition/stored_file_load.h"
#include "acquisition/stored_files.h"
#include "recording/recording_writer.h"
#include "util/text_file.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sondalog::cli {

QStringList RunValueOptions()
{
    return {QStringLiteral("--config-dir"), QStringLiteral("--t0"),  QStringLiteral("--now"), QStringLiteral("--step"),
            QStringLiteral("--locale"),     QStringLiteral("--out"), QStringLiteral("--save")};
}

std::optional<RunSetup> PrepareRun(const Options& o, QTextStream& err)
{
    RunSetup s;
    s.regional = o.Has(QStringLiteral("--locale")) ? Regional::FromLocale(QLocale(o.Value(QStringLiteral("--locale"))))
                                                   : Regional::System();
    if (o.Has(QStringLiteral("--t0"))) {
        bool ok = false;
        const int k = o.Value(QStringLiteral("--t0")).toInt(&ok);
        if (!ok || k < 0) {
            err << "--t0 needs a whole number of readings, 0 or more\n";
            return std::nullopt;
        }
        s.t0 = k;
    }
    if (o.Has(QStringLiteral("--now"))) {
        const QDateTime now =
            QDateTime::fromString(o.Value(QStringLiteral("--now")), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        bool ok = true;
        const qint64 step = o.Has(QStringLiteral("--step")) ? o.Value(QStringLiteral("--step")).toLongLong(&ok) : 1;
        if (!now.isValid() || !ok) {
            err << "--now needs \"yyyy-MM-dd hh:mm:ss\" and --step whole seconds\n";
            return std::nullopt;
        }
        s.clock = std::make_unique<FixedClock>(now, step);
    } else {
        s.clock = std::make_unique<SystemClock>();
    }
    s.paths = ConfigPaths::Resolve(o.Value(QStringLiteral("--config-dir")), QCoreApplication::applicationDirPath());
    s.startup =
        LoadStartup(s.paths, s.regional.decimalSign, [&](const QString& text) { err << text << '\n'; }, true);
    return s;
}

QString ConfigureRun(ReadingRun& run, const RunSetup& setup, const Settings& settings)
{
    run.config = setup.startup.config;
    if (settings.CheckBox_demo) {
        ApplyDemoSetup(run.config);
    }
    run.options = MakeProcessOptions(settings, setup.startup.table, run.config, setup.regional);
    run.blockOptions = MakeBlockOptions(settings);
    return PrepareInstrumentRun(settings, LoadFluorometerSetup(setup.paths.CalibrationFile()), run.config, run.options,
                                run.blockOptions);
}

void MaybeMarkT0(RunSetup& setup, ReadingRun& run)
{
    if (setup.t0 && !setup.t0Marked && run.state.series.sampleCount >= *setup.t0) {
        run.MarkT0();
        setup.t0Marked = true;
    }
}

void PrintSummary(QTextStream& out, const ReadingRun& run)
{
    const ProcessingState& s = run.state;
    auto kv = [&](const QString& key, const QString& value) { out << KeyValue(key, value) << '\n'; };
    auto real = [](long double v) { return ShortestReal(static_cast<double>(v)); };
    kv(QStringLiteral("n"), QString::number(s.series.sampleCount));
    kv(QStringLiteral("tracingStartIndex"), QString::number(s.tracingStartIndex));
    kv(QStringLiteral("baseline"), real(s.baseline));
    kv(QStringLiteral("area"), real(s.area));
    kv(QStringLiteral("y1.min"), real(s.axisY1.min));
    kv(QStringLiteral("y1.max"), real(s.axisY1.max));
    kv(QStringLiteral("y1.graduation"), real(s.axisY1.graduation));
    kv(QStringLiteral("y1.maxRead"), real(s.axisY1.maxRead));
    kv(QStringLiteral("y1.minRead"), real(s.axisY1.minRead));
    kv(QStringLiteral("y2.min"), real(s.axisY2.min));
    kv(QStringLiteral("y2.max"), real(s.axisY2.max));
    kv(QStringLiteral("y2.graduation"), real(s.axisY2.graduation));
    const DisplayTexts& t = run.shown;
    kv(QStringLiteral("Label_n"), t.Label_n.value_or(QString()));
    kv(QStringLiteral("Label_zero"), t.Label_zero.value_or(QString()));
    kv(QStringLiteral("Label_hauteur"), t.Label_hauteur.value_or(QString()));
    kv(QStringLiteral("Label_val_grand1"), t.Label_val_grand1.value_or(QString()));
    kv(QStringLiteral("Label_val_grand2"), t.Label_val_grand2.value_or(QString()));
    kv(QStringLiteral("Label_tracage"), t.Label_tracage.value_or(QString()));
}

bool WriteRecords(const QString& path, const RecordStore& records, QTextStream& err, QString* why)
{
    // No reading, no file: an earlier file of that name is never replaced by an empty one.
    if (records.isEmpty()) {
        err << "aucune mesure : " << path << " n'a pas été écrit\n";
        return true;
    }
    const QString failure = WriteFileAtomically(path, records.CrLfBytes());
    if (!failure.isEmpty()) {
        err << Message(kCannotCreateFileMessage).arg(path) << " (" << failure << ")\n";
        if (why) {
            *why = failure;
        }
        return false;
    }
    return true;
}

}  // namespace sondalog::cli

namespace sondalog::cli {

void StartJournal(const Options& o, const RunSetup& setup, ReadingRun& run, RunJournal& journal, QTextStream& err)
{
    if (!o.Has(QStringLiteral("--save"))) {
        return;
    }
    const QString prefix = run.options.demo ? QStringLiteral("demo") : setup.startup.settings.Edit_Prefixe;
    const QString path = QDir(QDir(o.Value(QStringLiteral("--save"))).filePath(kAutoSaveFolder))
                             .filePath(JournalFileName(setup.clock->Now(), prefix));
    journal.Begin(path);
    run.onRecordLines = [&journal, &err](const QStringList& lines) {
        const QString told = journal.Append(lines);
        if (!told.isEmpty()) {
            err << "** " << told << '\n' << Qt::flush;
        }
    };
}

bool FinishRun(const Options& o, const RunSetup& setup, const ReadingRun& run, RunJournal& journal,
               QTextStream& out, QTextStream& err)
{
    QString why;
    const bool saved = WriteRunFiles(o, setup, run, out, err, &why);
    // The lines neither the journal nor the recording took: written where they can be, never lost in silence.
    const qint64 readings = std::max<qint64>(0, run.records.size() - 1);
    const qint64 unwritten = journal.IsActive() ? journal.pendingReadings() : readings;
    if (!saved && unwritten > 0) {
        RecordingNameParts name;
        name.prefix = setup.startup.settings.Edit_Prefixe;
        name.demo = run.options.demo;
        name.now = setup.clock->Now();
        name.sampleCount = run.state.series.sampleCount;
        name.maxCaption = run.shown.Label_y1_max_lu.value_or(QStringLiteral("max lu"));
        name.minCaption = run.shown.Label_y1_min_lu.value_or(QStringLiteral("min lu"));
        const RescueResult rescue =
            WriteRescue(run.records, {setup.paths.dir, QDir::homePath(), QDir::tempPath()}, name);
        err << RescueMessage(unwritten, readings, why, rescue) << '\n';
    }
    if (saved && !journal.failing()) {
        journal.Finish();
    } else {
        journal.Close();
    }
    return saved;
}

bool WriteRunFiles(const Options& o, const RunSetup& setup, const ReadingRun& run, QTextStream& out, QTextStream& err,
                   QString* why)
{
    if (o.Has(QStringLiteral("--out")) && !WriteRecords(o.Value(QStringLiteral("--out")), run.records, err, why)) {
        return false;
    }
    if (!o.Has(QStringLiteral("--save"))) {
        return true;
    }
    SaveRequest request;
    request.workingDirectory = o.Value(QStringLiteral("--save"));
    request.name.prefix = setup.startup.settings.Edit_Prefixe;
    request.name.demo = run.options.demo;
    request.name.now = setup.clock->Now();
    request.name.sampleCount = run.state.series.sampleCount;
    request.name.maxCaption = run.shown.Label_y1_max_lu.value_or(QStringLiteral("max lu"));
    request.name.minCaption = run.shown.Label_y1_min_lu.value_or(QStringLiteral("min lu"));
    RecordingWriter writer;
    const SaveResult saved = writer.Write(run.records, request);
    if (!saved.error.isEmpty()) {
        err << saved.error << '\n';
        if (why) {
            *why = saved.error;
        }
        return false;
    }
    if (saved.written) {
        out << KeyValue(QStringLiteral("saved"), saved.path) << '\n';
    }
    return true;
}

StoredSource::StoredSource(const QString& path) : path_(path), reader_(path)
{
    QString line;
    while (head_.size() < 101 && reader_.Next(line)) {
        head_ << line;
    }
}

bool StoredSource::Next(QString& line)
{
    if (headPos_ < head_.size()) {
        line = head_.at(headPos_++);
        return true;
    }
    return reader_.Next(line);
}

bool StoredSource::Refused(QTextStream& err) const
{
    if (reader_.NotText()) {
        err << NotTextMessage(path_) << '\n';
        return true;
    }
    if (reader_.Failed()) {
        err << Message(kReadInterruptedMessage).arg(path_) << '\n';
        return true;
    }
    return false;
}

std::unique_ptr<StoredSource> OpenStoredFile(const QString& path, QTextStream& err)
{
    auto source = std::make_unique<StoredSource>(path);
    if (source->IsOpen() && source->Refused(err)) {
        return nullptr;
    }
    if (!source->IsOpen()) {
        err << Message(kCannotOpenFileMessage).arg(path);
        if (QFileInfo::exists(path) && !IsReadableRegularFile(path)) {
            err << Message(kNotRegularFileMessage);
        }
        err << '\n';
        return nullptr;
    }
    return source;
}

bool ReadAsAuto(const QString& as, const QString& path, const QStringList& head, const RunSetup& setup,
                QTextStream& err)
{
    if (!as.isEmpty()) {
        return as == QLatin1String("auto");
    }
    const int length = BlockLength(head, setup.startup.config.active.endOfBlock);
    const bool asAuto = length > 0 || HoldsCsvReadings(head, setup.startup.config.q1);
    err << EscapeControls(QFileInfo(path).fileName())
        << (length > 0 ? QStringLiteral(": blocs de %1 lignes, lu comme un fichier d'acquisition AUTOmatique").arg(length)
            : asAuto   ? QStringLiteral(": lignes CSV d'un instrument, lu comme un fichier d'acquisition AUTOmatique")
                       : QStringLiteral(": aucun bloc, lu comme un fichier SondaLOG"))
        << '\n';
    return asAuto;
}

QString DecodeAutoFile(RunSetup& setup, ReadingRun& run, StoredSource& source)
{
    Settings settings = setup.startup.settings;
    settings.CheckBox_demo = false;
    settings.readMode = 1;
    if (const QString why = ConfigureRun(run, setup, settings); !why.isEmpty()) {
        return why;
    }
    // How far the file was read lets the replay set aside room for all its readings at once.
    const AutoFileLoad load = LoadAutoFile([&](QString& line) { return source.Next(line); }, -1, 0, run, {},
                                           [&] { return source.Fraction(); }, [&] { MaybeMarkT0(setup, run); });
    run.shown.Label_n = load.Label_n;  // a replay shows n every 10 readings: the final count is the load's
    return {};
}

OwnRecordingLoad ReadOwnRecording(const RunSetup& setup, ProcessingState& state, StoredSource& source)
{
    // The series is sized from the file's length and its first lines' width, grown if need be.
    const QStringList& head = source.Head();
    qint64 headBytes = 0;
    for (const QString& l : head) {
        headBytes += l.size() + 2;
    }
    const qint64 estimate = headBytes > 0 ? QFileInfo(source.Path()).size() * head.size() / headBytes : 0;
    return LoadOwnRecording([&](QString& line) { return source.Next(line); },
                            static_cast<int>(std::min<qint64>(estimate + 16, 50'000'000)), state, setup.regional);
}

}  // namespace sondalog::cli

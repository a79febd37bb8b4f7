#include "acquisition/acquisition_session.h"
#include "app/run_options.h"
#include "cli/commands.h"
#include "cli/run_setup.h"
#include "serial/port_description.h"

#include <QCoreApplication>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace sondalog::cli {

namespace {
std::atomic<bool> interrupted{false};

void OnSignal(int)
{
    interrupted = true;
}
}  // namespace

int AcquireCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList withValue = RunValueOptions();
    withValue << QStringLiteral("--port") << QStringLiteral("--mode") << QStringLiteral("--readings")
              << QStringLiteral("--seconds") << QStringLiteral("--burst-silence") << QStringLiteral("--open-wait-scale");
    const Options o = ParseOptions(args, withValue, {});
    const QString mode = o.Value(QStringLiteral("--mode"));
    bool readingsOk = true;
    bool secondsOk = true;
    bool silenceOk = true;
    bool scaleOk = true;
    const int readings = o.Has(QStringLiteral("--readings")) ? o.Value(QStringLiteral("--readings")).toInt(&readingsOk) : -1;
    const double seconds = o.Has(QStringLiteral("--seconds")) ? o.Value(QStringLiteral("--seconds")).toDouble(&secondsOk) : -1;
    const int silence = o.Has(QStringLiteral("--burst-silence"))
                            ? o.Value(QStringLiteral("--burst-silence")).toInt(&silenceOk)
                            : kBurstSilenceMs;
    const double scale = o.Has(QStringLiteral("--open-wait-scale"))
                             ? o.Value(QStringLiteral("--open-wait-scale")).toDouble(&scaleOk)
                             : 1.0;
    if (!o.error.isEmpty() || !o.positional.isEmpty() || !o.Has(QStringLiteral("--port")) ||
        (!mode.isEmpty() && mode != QLatin1String("char") && mode != QLatin1String("string")) || !readingsOk ||
        !secondsOk || !silenceOk || silence < 1 || !scaleOk || scale < 0) {
        err << "sondalog-cli acquire: "
            << (o.error.isEmpty() ? QStringLiteral("--port NAME is needed; --mode char|string; numbers where numbers go")
                                  : o.error)
            << '\n';
        return 2;
    }
    std::optional<RunSetup> setup = PrepareRun(o, err);
    if (!setup) {
        return 2;
    }
    Settings settings = setup->startup.settings;
    settings.CheckBox_demo = false;
    if (!mode.isEmpty()) {
        settings.readMode = mode == QLatin1String("string") ? 1 : 0;
    }
    ReadingRun run(*setup->clock);
    if (const QString why = ConfigureRun(run, *setup, settings); !why.isEmpty()) {
        err << "sondalog-cli acquire: " << why << '\n';
        return 1;
    }
    RunJournal journal;
    StartJournal(o, *setup, run, journal, err);

    SessionSettings s;
    s.mode = settings.readMode == 1 ? ReadMode::StringCsv : ReadMode::Character;
    s.portDescription = DescriptionFor(o.Value(QStringLiteral("--port")),
                                       ActiveCell(setup->startup.table, run.config.active.activeRow, col::vitesse, 0));
    s.timeoutsText = settings.Edit_timeouts;
    s.dtr = settings.CheckBox_DTR;
    s.rts = settings.CheckBox_RTS;
    s.burstSilenceMs = silence;
    s.waitScale = scale;
    s.runStartTime = setup->clock->Now();
    s.startInjectText = settings.Edit_start_inject;

    AcquisitionSession session(run);
    QObject::connect(&session, &AcquisitionSession::logLine, [&](const QString& line) { err << line << '\n' << Qt::flush; });
    for (auto signal : {&AcquisitionSession::messageRequested, &AcquisitionSession::openFailed,
                        &AcquisitionSession::linkLost, &AcquisitionSession::linkRestored,
                        &AcquisitionSession::undecoded}) {
        QObject::connect(&session, signal, [&](const QString& m) { err << "** " << m << '\n' << Qt::flush; });
    }
    QObject::connect(&session, &AcquisitionSession::readingProcessed, [&](const DisplayTexts&) {
        MaybeMarkT0(*setup, run);
        if (readings >= 0 && run.state.series.sampleCount >= readings) {
            session.RequestStop();
        }
    });
    int status = 0;
    QObject::connect(&session, &AcquisitionSession::finished, [&] {
        QTextStream out(stdout);
        out.setEncoding(QStringConverter::Utf8);
        PrintSummary(out, run);
        status = FinishRun(o, *setup, run, journal, out, err) ? 0 : 1;
        out.flush();
        QCoreApplication::exit(status);
    });

    // Ctrl-C and SIGTERM stop the run the ordinary way, so what was read is saved.
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (interrupted.exchange(false)) {
            session.RequestStop();
        }
    });
    watch.start(50);
    if (seconds >= 0) {
        QTimer::singleShot(static_cast<int>(seconds * 1000), &session, [&] { session.RequestStop(); });
    }
    MaybeMarkT0(*setup, run);
    session.Start(s);
    if (!session.IsRunning()) {
        return 1;
    }
    return QCoreApplication::exec();
}

}  // namespace sondalog::cli

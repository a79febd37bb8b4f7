#include "acquisition/acquisition_session.h"

#include "acquisition/block_stamps.h"
#include "acquisition/countdown.h"
#include "acquisition/demo_generator.h"
#include "serial/port_description.h"
#include "util/line_field.h"
#include "util/text_utils.h"
#include "util/translate.h"

namespace sondalog {

AcquisitionSession::AcquisitionSession(ReadingRun& run, QObject* parent)
    : QObject(parent), run_(run), burst_(this), line_(this)
{
    stepTimer_.setSingleShot(true);
    connect(&stepTimer_, &QTimer::timeout, this, [this] {
        auto step = std::move(nextStep_);
        nextStep_ = nullptr;
        if (step) {
            step();
        }
    });
    connect(&demoTimer_, &QTimer::timeout, this, &AcquisitionSession::OnDemoTick);
    countdownTimer_.setInterval(200);
    connect(&countdownTimer_, &QTimer::timeout, this, &AcquisitionSession::UpdateCountdown);
    connect(&reconnectTimer_, &QTimer::timeout, this, &AcquisitionSession::TryReconnect);
    connect(&burst_, &BurstPort::burstReceived, this, &AcquisitionSession::OnBurst);
    connect(&line_, &LinePort::lineReceived, this, &AcquisitionSession::OnLine);
    connect(&burst_, &BurstPort::lost, this, &AcquisitionSession::OnLost);
    connect(&line_, &LinePort::lost, this, &AcquisitionSession::OnLost);
    decodingWatch_.setInterval(500);
    connect(&decodingWatch_, &QTimer::timeout, this, &AcquisitionSession::WatchDecoding);
    connect(&burst_, &BurstPort::overlong, this, &AcquisitionSession::logLine);
    connect(&line_, &LinePort::overlong, this, &AcquisitionSession::logLine);
}

void AcquisitionSession::After(double ms, std::function<void()> step)
{
    nextStep_ = std::move(step);
    stepTimer_.start(static_cast<int>(ms * settings_.waitScale));
}

void AcquisitionSession::Start(const SessionSettings& settings)
{
    if (phase_ != Phase::Idle) {
        Finish();
    }
    settings_ = settings;
    if (settings_.demo) {
        settings_.mode = ReadMode::Character;
        ApplyDemoSetup(run_.config);
    }
    run_.options.mode = settings_.mode;
    run_.Start(settings_.continuing);
    run_.ClearPendingBlock();
    resync_ = BlockResync();
    countdown_.clear();
    phase_ = Phase::Opening;
    burst_.SetSilence(settings_.burstSilenceMs);
    burst_.SetBlockEnd(run_.config.active.endOfBlock);
    if (settings_.mode == ReadMode::Character) {
        OpenCharacterMode();
    } else {
        OpenStringMode();
    }
}

void AcquisitionSession::OpenCharacterMode()
{
    const QString description = settings_.portDescription;
    if (settings_.demo) {
        emit logLine(QStringLiteral(" _Open ") + description);
        BeginRun();
        return;
    }
    if (!burst_.Open(description)) {
        emit logLine(QStringLiteral(" _Open ") + description + Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  erreur")));
        emit openFailed(Message(kPortOpenFailedMessage).arg(PortName(description)) + QStringLiteral(" : ") + burst_.ErrorText());
        // As a lost link: the run is under way and tries the port again by itself (an adapter plugged in late).
        BeginRun();
        OnLost(burst_.ErrorText());
        return;
    }
    After(1000, [this, description] {
        emit logLine(QStringLiteral(" _Open ") + description);
        // A burst already under way after the settling wait is not a whole reading.
        burst_.DiscardUntilSilence();
        BeginRun();
    });
}

void AcquisitionSession::OpenStringMode()
{
    const QString description = settings_.portDescription;
    auto run = [this, description] {
        const Parsed<int> n = ParseInt(settings_.timeoutsText, run_.options.regional.decimalSign);
        if (n.malformed) {
            emit logLine(n.message);
        }
        line_.SetDtr(settings_.dtr);
        line_.SetRts(settings_.rts);
        emit logLine(QStringLiteral(" Open ") + description + QStringLiteral(" timeouts = ") + QString::number(n.value));
        line_.SetTimeouts(n.value);
        const bool failed = !settings_.demo && !line_.IsOpen();
        if (failed) {
            const QString why = line_.ErrorText();
            emit openFailed(Message(kPortOpenFailedMessage).arg(PortName(description)) +
                            (why.isEmpty() ? QString() : QStringLiteral(" : ") + why));
        }
        BeginRun();
        if (failed) {
            OnLost(QString());  // tried again every 2 s, as a lost link
        }
    };
    if (settings_.demo) {
        run();
        return;
    }
    // The first open writes the description's speed and framing into the port.
    burst_.Open(description);
    After(1000, [this, description, run] {
        burst_.Close();
        After(500, [this, description, run] {
            line_.Open(description);
            After(1000, [this, run] {
                line_.SetQueues(2535);
                line_.Purge();
                run();
            });
        });
    });
}

void AcquisitionSession::BeginRun()
{
    phase_ = Phase::Running;
    UpdateCountdown();
    countdownTimer_.start();
    sinceStart_.start();
    sinceBytes_.invalidate();
    sinceReading_.invalidate();
    lastRaw_.clear();
    undecodedTold_ = false;
    if (!settings_.demo) {
        decodingWatch_.start();
    }
    if (settings_.demo) {
        demoTimer_.start(settings_.fast ? 10 : kDemoPeriodMs + 10);
    }
}

bool AcquisitionSession::StopAtCycle()
{
    if (run_.stopRequested) {
        Finish();
        return true;
    }
    return false;
}

void AcquisitionSession::Finish()
{
    const bool wasRunning = phase_ != Phase::Idle;
    stepTimer_.stop();
    nextStep_ = nullptr;
    demoTimer_.stop();
    countdownTimer_.stop();
    reconnectTimer_.stop();
    decodingWatch_.stop();
    if (settings_.mode == ReadMode::Character && !settings_.demo && wasRunning) {
        burst_.SetDtr(settings_.dtr);
        burst_.SetRts(settings_.rts);
    }
    phase_ = Phase::Idle;
    if (wasRunning) {
        emit finished();
    }
}

void AcquisitionSession::RequestStop()
{
    run_.stopRequested = true;
    if (phase_ != Phase::Idle) {
        QTimer::singleShot(0, this, [this] {
            if (phase_ != Phase::Idle && run_.stopRequested) {
                Finish();
            }
        });
    }
}

void AcquisitionSession::CloseSerial()
{
    emit logLine(QStringLiteral(" Close"));
    emit logLine(QString());
    run_.stopRequested = true;
    if (settings_.mode == ReadMode::Character) {
        burst_.Close();
    } else {
        line_.SetDtr(false);
        line_.Close();
    }
    Finish();
}

QStringList AcquisitionSession::PortsInUse() const
{
    const bool holding = burst_.IsOpen() || line_.IsOpen() || (phase_ != Phase::Idle && !settings_.demo);
    if (!holding || settings_.portDescription.isEmpty()) {
        return {};
    }
    return {DeviceName(settings_.portDescription)};
}

void AcquisitionSession::ClosePorts()
{
    Finish();
    burst_.Close();
    line_.Close();
}

void AcquisitionSession::UpdateCountdown()
{
    const QString caption =
        CountdownCaption(run_.clock().Now(), settings_.runStartTime, settings_.startInjectText, countdown_);
    if (caption != countdown_) {
        countdown_ = caption;
        emit countdownChanged(caption);
    }
}

void AcquisitionSession::Emit(const CycleOutput& out)
{
    for (const QString& line : out.log) {
        emit logLine(line);
    }
    for (const DisplayTexts& texts : out.texts) {
        emit readingProcessed(texts);
    }
    if (!out.texts.empty()) {
        sinceReading_.start();
        if (undecodedTold_) {
            undecodedTold_ = false;
            emit undecoded(QString());
        }
    }
    if (out.label21) {
        emit label21Changed(*out.label21);
    }
    emit counterChanged(run_.readingCounter);
}

void AcquisitionSession::OnBurst(const QString& text, int count)
{
    if (phase_ != Phase::Running || settings_.mode != ReadMode::Character || StopAtCycle()) {
        return;
    }
    UpdateCountdown();
    NoteBytes(text);
    const CycleOutput out = run_.BurstCycle(text, count);
    Emit(out);
    if (out.csvDetected) {
        // The wrong reading mode: the run ends, the port stays open for the user to switch.
        emit messageRequested(Message(kCsvDetectedMessage));
        Finish();
    }
}

void AcquisitionSession::OnLine(const QString& line)
{
    if (phase_ != Phase::Running || settings_.mode != ReadMode::StringCsv || StopAtCycle()) {
        return;
    }
    NoteBytes(line);
    if (resync_.Active()) {
        // After a reconnection only whole blocks go on: the first one is kept, a torn one dropped.
        const BlockResync::Step step = resync_.Feed(line, run_.config, run_.blockOptions);
        for (const QString& text : step.log) {
            emit logLine(text);
        }
        if (!step.lines.isEmpty()) {
            run_.ClearPendingBlock();
            UpdateCountdown();
            for (const QString& held : step.lines) {
                Emit(run_.LineCycle(held));
            }
        }
        return;
    }
    UpdateCountdown();
    Emit(run_.LineCycle(line));
}

void AcquisitionSession::NoteBytes(const QString& raw)
{
    if (raw.trimmed().isEmpty()) {
        return;
    }
    sinceBytes_.start();
    lastRaw_ = raw;
}

void AcquisitionSession::WatchDecoding()
{
    if (phase_ != Phase::Running || undecodedTold_ || !sinceBytes_.isValid()) {
        return;
    }
    const qint64 window = static_cast<qint64>(3 * std::max(settings_.intervalSeconds, 0.1) * 1000);
    const bool bytesLately = sinceBytes_.elapsed() <= window;
    const bool noReadingLately = !sinceReading_.isValid() || sinceReading_.elapsed() > window;
    if (bytesLately && noReadingLately && sinceStart_.elapsed() > window) {
        undecodedTold_ = true;
        QString raw = lastRaw_;
        raw.replace(u'\r', u'|').replace(u'\n', u' ');
        emit undecoded(Message(kUndecodedMessage) + Message(QT_TRANSLATE_NOOP("sondalog::Messages", "\ndernière ligne reçue : %1")).arg(raw.left(300)));
    }
}

void AcquisitionSession::OnDemoTick()
{
    if (phase_ != Phase::Running || StopAtCycle()) {
        return;
    }
    UpdateCountdown();
    Emit(run_.DemoCycle());
}

void AcquisitionSession::OnLost(const QString&)
{
    if (phase_ != Phase::Running) {
        return;
    }
    phase_ = Phase::Reconnecting;
    const QString port = PortName(settings_.portDescription);
    const QString message = Message(kLinkLostMessage).arg(port);
    emit logLine(message);
    emit linkLost(message);
    reconnectTimer_.start(settings_.reconnectMs);
}

void AcquisitionSession::TryReconnect()
{
    if (phase_ != Phase::Reconnecting || run_.stopRequested) {
        return;
    }
    const QString description = settings_.portDescription;
    bool opened = false;
    if (settings_.mode == ReadMode::Character) {
        opened = burst_.Open(description);
        if (opened) {
            burst_.DiscardUntilSilence();
        }
    } else {
        opened = line_.Open(description);
        if (opened) {
            const Parsed<int> n = ParseInt(settings_.timeoutsText, run_.options.regional.decimalSign);
            line_.SetQueues(2535);
            line_.SetDtr(settings_.dtr);
            line_.SetRts(settings_.rts);
            line_.SetTimeouts(n.value);
            resync_.Start();
        }
    }
    if (!opened) {
        return;
    }
    reconnectTimer_.stop();
    phase_ = Phase::Running;
    const QString message = Message(kLinkRestoredMessage).arg(PortName(description));
    emit logLine(QStringLiteral(" _Open ") + description);
    emit logLine(message);
    emit linkRestored(message);
}

}  // namespace sondalog

#pragma once
// One acquisition run, driven by events on the window thread: the open sequence, then a cycle
// per burst (character mode), per line (string/CSV mode) or per demonstration reading. It never
// blocks and never pumps events; stop, exit and "Close COM" take effect at once.

#include "acquisition/block_resync.h"
#include "acquisition/reading_run.h"
#include "serial/burst_port.h"
#include "serial/line_port.h"
#include "util/translate.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace sondalog {

/// The link's own messages; %1 is the port's name.
inline const char* const kPortOpenFailedMessage = QT_TRANSLATE_NOOP("sondalog::Messages", "Impossible d'ouvrir le port <%1>");
inline const char* const kLinkLostMessage =
    QT_TRANSLATE_NOOP("sondalog::Messages", "liaison perdue avec <%1> : nouvel essai toutes les 2 s, les mesures reçues sont conservées");
inline const char* const kLinkRestoredMessage = QT_TRANSLATE_NOOP("sondalog::Messages", "liaison rétablie avec <%1>");

/// Said when bytes come in but the table decodes no reading from them (a wrong marker or time mark).
inline const char* const kUndecodedMessage = QT_TRANSLATE_NOOP("sondalog::Messages",
    "des caractères arrivent mais aucune mesure n'est lue : vérifier le tableau (repère, rep hms, séparateur)");

struct SessionSettings {
    ReadMode mode = ReadMode::Character;
    bool demo = false;
    bool fast = false;  ///< "rapide": a demonstration reading every cycle
    QString portDescription;
    QString timeoutsText = QStringLiteral("500");  ///< Edit_timeouts
    bool dtr = false;
    bool rts = false;
    bool continuing = false;
    int burstSilenceMs = kBurstSilenceMs;
    double waitScale = 1.0;  ///< scales the open sequence's fixed waits (tests shorten them)
    int reconnectMs = 2000;
    QDateTime runStartTime;
    QString startInjectText = QStringLiteral("traçage => t0");
    double intervalSeconds = 1;  ///< the instrument's interval: three of them without a reading are told
};

class AcquisitionSession : public QObject {
    Q_OBJECT
public:
    explicit AcquisitionSession(ReadingRun& run, QObject* parent = nullptr);

    /// The open sequence, then the run; returns at once, `finished` tells when the run ends.
    void Start(const SessionSettings& settings);
    /// Stop: the run ends at once; the port stays open as it is.
    void RequestStop();
    /// "Close COM": logs, stops the run and closes the port.
    void CloseSerial();
    /// Closes both ports (exit).
    void ClosePorts();
    bool IsRunning() const { return phase_ != Phase::Idle; }
    bool IsReconnecting() const { return phase_ == Phase::Reconnecting; }
    /// The devices this session holds or is about to reopen: probing must leave them alone.
    QStringList PortsInUse() const;

    BurstPort& burstPort() { return burst_; }
    LinePort& linePort() { return line_; }

signals:
    void logLine(const QString& line);
    void counterChanged(int readingCounter);
    void countdownChanged(const QString& caption);
    void readingProcessed(const DisplayTexts& texts);
    void label21Changed(const QString& caption);
    void messageRequested(const QString& message);
    void openFailed(const QString& message);
    void linkLost(const QString& message);
    void linkRestored(const QString& message);
    /// Bytes arrive but no reading is decoded (kUndecodedMessage and the last raw line); an empty text once
    /// readings are decoded again.
    void undecoded(const QString& message);
    void finished();

private:
    enum class Phase { Idle, Opening, Running, Reconnecting };

    void After(double ms, std::function<void()> step);
    void OpenCharacterMode();
    void OpenStringMode();
    void BeginRun();
    void Finish();
    void Emit(const CycleOutput& out);
    void UpdateCountdown();
    bool StopAtCycle();

    void OnBurst(const QString& text, int count);
    void OnLine(const QString& line);
    void OnDemoTick();
    void OnLost(const QString& why);
    void TryReconnect();
    void NoteBytes(const QString& raw);
    void WatchDecoding();

    ReadingRun& run_;
    BurstPort burst_;
    LinePort line_;
    QTimer demoTimer_;
    QTimer countdownTimer_;
    QTimer reconnectTimer_;
    QTimer stepTimer_;
    std::function<void()> nextStep_;
    SessionSettings settings_;
    Phase phase_ = Phase::Idle;
    QString countdown_;
    BlockResync resync_;  ///< string mode after a reconnection: only whole blocks go on
    // Bytes without readings: watched twice a second.
    QTimer decodingWatch_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceBytes_;
    QElapsedTimer sinceReading_;
    QString lastRaw_;
    bool undecodedTold_ = false;
};

}  // namespace sondalog

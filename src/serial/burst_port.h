#pragma once
// Character mode: a burst is everything the instrument sent until the line stayed silent for
// the read time-out; its final CR LF is cut.

#include "serial/port_handle.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace sondalog {

inline constexpr int kBurstSilenceMs = 110;

/// The burst text (last two characters cut) and the count of characters received.
struct Burst {
    QString text;
    int count = 0;
};
/// Cuts a received text as a burst: without its last two characters, empty with two or fewer.
Burst CutBurst(const QString& received);

class BurstPort : public QObject {
    Q_OBJECT
public:
    explicit BurstPort(QObject* parent = nullptr);

    /// RTS raised, DTR low while open, as the instrument expects.
    bool Open(const QString& description);
    void Close();
    bool IsOpen() const { return handle_.IsOpen(); }
    QString ErrorText() const { return handle_.ErrorText(); }
    void SetDtr(bool on) { handle_.SetDtr(on); }
    void SetRts(bool on) { handle_.SetRts(on); }
    void SetSilence(int ms) { silence_.setInterval(ms); }
    /// Drops whatever arrives until the line has been silent once: a burst already under way
    /// when a run starts or the port comes back is not a whole reading.
    void DiscardUntilSilence();
    /// Milliseconds since the last byte of the last burst handed on.
    qint64 SinceLastByte() const { return lastByte_.isValid() ? lastByte_.elapsed() : -1; }

signals:
    void burstReceived(const QString& text, int count);
    void lost(const QString& why);

private:
    void OnBytes(const QByteArray& bytes);
    void OnSilence();

    PortHandle handle_;
    QTimer silence_;
    QString received_;
    bool discard_ = false;
    QElapsedTimer lastByte_;
};

}  // namespace sondalog

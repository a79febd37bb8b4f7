#pragma once
// Character mode: a burst is everything the instrument sent until the line stayed silent for
// the read time-out; its final CR LF is cut.

#include "serial/port_handle.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace sondalog {

inline constexpr int kBurstSilenceMs = 110;
/// An instrument that never pauses: a burst is cut at this size or after this long without silence.
inline constexpr qsizetype kMaxBurstChars = 64 * 1024;
inline constexpr int kMaxBurstMs = 5000;
inline const char* const kOverlongBurstLog =
    QT_TRANSLATE_NOOP("sondalog::Messages", "flux continu sans pause de 110 ms : les blocs sont découpés (64 Ko ou 5 s au plus)");

/// Where an over-long burst is cut: just after its last complete block (the line holding the
/// end-of-block marker, else the print block's line of underscores), else after its last line
/// end, else the whole text.
qsizetype OverlongCut(const QString& received, const QString& blockEnd);

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
    /// The end-of-block marker an over-long burst is cut after.
    void SetBlockEnd(const QString& marker) { blockEnd_ = marker; }
    /// Drops whatever arrives until the line has been silent once: a burst already under way
    /// when a run starts or the port comes back is not a whole reading.
    void DiscardUntilSilence();
    /// Milliseconds since the last byte of the last burst handed on.
    qint64 SinceLastByte() const { return lastByte_.isValid() ? lastByte_.elapsed() : -1; }

signals:
    void burstReceived(const QString& text, int count);
    void lost(const QString& why);
    /// Said once per opening, for the raw log.
    void overlong(const QString& text);

private:
    void OnBytes(const QByteArray& bytes);
    void OnSilence();
    void CutOverlong();
    void HandOn(const QString& received);

    PortHandle handle_;
    QTimer silence_;
    QString received_;
    bool discard_ = false;
    QElapsedTimer lastByte_;
    QElapsedTimer burstStart_;
    QString blockEnd_;
    bool toldOverlong_ = false;
};

}  // namespace sondalog

#pragma once
// String and CSV mode: a line ends at a carriage return or after the time-out's silence;
// line feeds stay in the text.

#include "serial/port_handle.h"

#include <QObject>
#include <QTimer>

namespace sondalog {

/// A line that never meets its CR is handed on in pieces of this size.
inline constexpr qsizetype kMaxLineChars = 64 * 1024;
inline const char* const kOverlongLineLog = QT_TRANSLATE_NOOP("sondalog::Messages", "ligne de plus de 64 Ko sans fin de ligne : découpée");

class LinePort : public QObject {
    Q_OBJECT
public:
    explicit LinePort(QObject* parent = nullptr);

    /// DTR and RTS low until set; the time-out starts at 10 ms.
    bool Open(const QString& description);
    void Close();
    bool IsOpen() const { return handle_.IsOpen(); }
    QString ErrorText() const { return handle_.ErrorText(); }
    void SetTimeouts(int ms) { silence_.setInterval(std::max(1, ms) + 1); }
    void SetQueues(qint64 size) { handle_.SetQueues(size); }
    void Purge();
    void SetDtr(bool on) { handle_.SetDtr(on); }
    void SetRts(bool on) { handle_.SetRts(on); }

signals:
    void lineReceived(const QString& line);
    void lost(const QString& why);
    /// Said once per opening, for the raw log.
    void overlong(const QString& text);

private:
    void OnBytes(const QByteArray& bytes);
    void OnSilence();

    PortHandle handle_;
    QTimer silence_;
    QString pending_;
    bool toldOverlong_ = false;
};

}  // namespace sondalog

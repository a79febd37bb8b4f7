#pragma once
// The one owner of a QSerialPort: opens it exclusively with the description's settings, hands
// the bytes on as they arrive, and says when the device went away (a USB adapter unplugged).

#include "serial/port_description.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

namespace sondalog {

inline const char* const kPortRefusedMessage = QT_TRANSLATE_NOOP("sondalog::Messages", "accès refusé à %1 : ce compte n'a pas le droit de l'ouvrir");
inline const char* const kPortRefusedLinuxMessage = QT_TRANSLATE_NOOP("sondalog::Messages",
    "accès refusé à %1 : ce compte n'est pas dans le groupe dialout (sudo usermod -aG dialout $USER, puis fermer "
    "la session et la rouvrir)");

class PortHandle : public QObject {
    Q_OBJECT
public:
    explicit PortHandle(QObject* parent = nullptr);

    /// Closes any previous port, then opens `description`'s device read-write, exclusively.
    bool Open(const QString& description, bool rtsOn, bool dtrOn);
    void Close();
    bool IsOpen() const { return port_.isOpen(); }
    /// Control lines; a port that cannot drive them (a pseudo-terminal) is not an error.
    void SetDtr(bool on);
    void SetRts(bool on);
    void Purge();
    void SetQueues(qint64 size);
    /// Why the port failed; a device the user may not open says so, and on Linux names the dialout group.
    QString ErrorText() const;

signals:
    void bytesArrived(const QByteArray& bytes);
    void lost(const QString& why);

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort port_;
};

}  // namespace sondalog

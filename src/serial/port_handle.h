#pragma once
// The one owner of a QSerialPort: opens it exclusively with the description's settings, hands
// the bytes on as they arrive, and says when the device went away (a USB adapter unplugged).

#include "serial/port_description.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

namespace sondalog {

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
    QString ErrorText() const { return port_.errorString(); }

signals:
    void bytesArrived(const QByteArray& bytes);
    void lost(const QString& why);

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort port_;
};

}  // namespace sondalog

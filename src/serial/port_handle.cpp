#include "serial/port_handle.h"

#include "util/translate.h"

#include <QFileInfo>

namespace sondalog {

PortHandle::PortHandle(QObject* parent) : QObject(parent), port_(this)
{
    connect(&port_, &QSerialPort::readyRead, this, &PortHandle::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &PortHandle::OnError);
}

bool PortHandle::Open(const QString& description, bool rtsOn, bool dtrOn)
{
    Close();
    const PortSettings s = ParsePortDescription(description);
    port_.setPortName(DeviceName(description));
    port_.setBaudRate(s.baudRate);
    port_.setDataBits(s.dataBits);
    port_.setStopBits(s.stopBits);
    port_.setParity(s.parity);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        return false;
    }
    SetRts(rtsOn);
    SetDtr(dtrOn);
    return true;
}

void PortHandle::Close()
{
    if (port_.isOpen()) {
        port_.close();
    }
    port_.clearError();
}

void PortHandle::SetDtr(bool on)
{
    if (port_.isOpen()) {
        port_.setDataTerminalReady(on);
        port_.clearError();
    }
}

void PortHandle::SetRts(bool on)
{
    if (port_.isOpen()) {
        port_.setRequestToSend(on);
        port_.clearError();
    }
}

void PortHandle::Purge()
{
    if (port_.isOpen()) {
        port_.clear(QSerialPort::Output);
        port_.clear(QSerialPort::Input);
        port_.readAll();
        port_.clearError();
    }
}

void PortHandle::SetQueues(qint64 size)
{
    port_.setReadBufferSize(size);
}

void PortHandle::OnReadyRead()
{
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty()) {
        emit bytesArrived(bytes);
    }
}

QString PortHandle::ErrorText() const
{
    // A port another program holds reads as a permission error too: only a device the user may not
    // read and write is a question of rights.
    if (port_.error() == QSerialPort::PermissionError) {
        const QFileInfo device(port_.portName().startsWith(u'/') ? port_.portName()
                                                                 : QStringLiteral("/dev/") + port_.portName());
        if (device.exists() && !(device.isReadable() && device.isWritable())) {
#ifdef Q_OS_LINUX
            return Message(kPortRefusedLinuxMessage).arg(device.filePath());
#else
            return Message(kPortRefusedMessage).arg(device.filePath());
#endif
        }
    }
    return port_.errorString();
}

void PortHandle::OnError(QSerialPort::SerialPortError error)
{
    // Resource errors are what an unplugged adapter gives; settings the device cannot take
    // (control lines on a pseudo-terminal) are not worth stopping for.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) {
        const QString why = port_.errorString();
        QMetaObject::invokeMethod(this, [this, why] {
            Close();
            emit lost(why);
        }, Qt::QueuedConnection);
    }
}

}  // namespace sondalog

#pragma once
// The port description "COM7: bauds=9600 parity=N data=8 stop=1" and what it sets on the port.

#include <QSerialPort>
#include <QString>

#include <optional>

namespace sondalog {

struct PortSettings {
    qint32 baudRate = 4800;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::Parity parity = QSerialPort::NoParity;
};

/// Speed, data bits, stop bits and parity by exact text; defaults where nothing matches.
PortSettings ParsePortDescription(const QString& description);

/// The text before the first ':' (COM7, ttyUSB0, /dev/ttyUSB0).
QString PortName(const QString& description);

/// The number of a COM port (7 for "COM7: ..."); nullopt when the text there is not a number.
std::optional<int> ComPortNumber(const QString& description);

/// The device to open: on Windows "\\.\COMn" above COM9, else the port name as it stands.
QString DeviceName(const QString& description);

/// The description of a port at a given speed cell.
QString DescriptionFor(const QString& port, const QString& speedCell);

}  // namespace sondalog

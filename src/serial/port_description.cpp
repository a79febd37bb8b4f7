#include "serial/port_description.h"

#include "util/text_utils.h"

#include <array>
#include <utility>

namespace sondalog {

PortSettings ParsePortDescription(const QString& description)
{
    PortSettings s;
    QString text = description;
    text.replace(u' ', u'=');
    const QString speed = FieldText(text, 3, u'=');
    const QString parity = FieldText(text, 5, u'=');
    const QString data = FieldText(text, 7, u'=');
    const QString stop = FieldText(text, 9, u'=');

    static const std::array<int, 13> speeds = {110,   300,   600,   1200,  2400,  4800,  9600,
                                               14400, 19200, 38400, 56000, 57600, 115200};
    for (const int v : speeds) {
        if (speed == QString::number(v)) {
            s.baudRate = v;
            break;
        }
    }
    static const std::array<std::pair<const char*, QSerialPort::DataBits>, 4> dataBits = {
        {{"5", QSerialPort::Data5}, {"6", QSerialPort::Data6}, {"7", QSerialPort::Data7}, {"8", QSerialPort::Data8}}};
    for (const auto& [t, v] : dataBits) {
        if (data == QLatin1String(t)) {
            s.dataBits = v;
            break;
        }
    }
    static const std::array<std::pair<const char*, QSerialPort::StopBits>, 3> stopBits = {
        {{"1", QSerialPort::OneStop}, {"1.5", QSerialPort::OneAndHalfStop}, {"2", QSerialPort::TwoStop}}};
    for (const auto& [t, v] : stopBits) {
        if (stop == QLatin1String(t)) {
            s.stopBits = v;
            break;
        }
    }
    static const std::array<std::pair<const char*, QSerialPort::Parity>, 5> parities = {
        {{"N", QSerialPort::NoParity},
         {"O", QSerialPort::OddParity},
         {"E", QSerialPort::EvenParity},
         {"M", QSerialPort::MarkParity},
         {"S", QSerialPort::SpaceParity}}};
    for (const auto& [t, v] : parities) {
        if (parity == QLatin1String(t)) {
            s.parity = v;
            break;
        }
    }
    return s;
}

QString PortName(const QString& description)
{
    const qsizetype colon = description.indexOf(u':');
    return (colon < 0 ? description : description.left(colon)).trimmed();
}

std::optional<int> ComPortNumber(const QString& description)
{
    const QString name = PortName(description);
    bool ok = false;
    const int n = name.mid(3).toInt(&ok);
    if (!name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) || !ok) {
        return std::nullopt;
    }
    return n;
}

QString DeviceName(const QString& description)
{
    const QString name = PortName(description);
#ifdef Q_OS_WIN
    const std::optional<int> n = ComPortNumber(description);
    if (n && *n > 9) {
        return QStringLiteral("\\\\.\\COM") + QString::number(*n);
    }
#endif
    return name;
}

QString DescriptionFor(const QString& port, const QString& speedCell)
{
    return port + QStringLiteral(": bauds=") + speedCell + QStringLiteral(" parity=N data=8 stop=1");
}

}  // namespace sondalog

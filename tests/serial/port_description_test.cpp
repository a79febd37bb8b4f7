#include "serial/burst_port.h"
#include "serial/port_description.h"
#include "serial/port_discovery.h"
#include "serial/raw_log.h"

#include <gtest/gtest.h>

using namespace sondalog;

TEST(PortDescription, SettingsByExactText)
{
    struct Case {
        QString description;
        qint32 baud;
        QSerialPort::DataBits data;
        QSerialPort::StopBits stop;
        QSerialPort::Parity parity;
    };
    const Case cases[] = {
        {QStringLiteral("COM7: bauds=9600 parity=N data=8 stop=1"), 9600, QSerialPort::Data8, QSerialPort::OneStop,
         QSerialPort::NoParity},
        {QStringLiteral("COM3: bauds=1234 parity=N data=8 stop=1"), 4800, QSerialPort::Data8, QSerialPort::OneStop,
         QSerialPort::NoParity},
        {QStringLiteral("COM3: bauds=115200 parity=E data=7 stop=2"), 115200, QSerialPort::Data7, QSerialPort::TwoStop,
         QSerialPort::EvenParity},
        {QStringLiteral("COM3: bauds=300 parity=X data=9 stop=1.5"), 300, QSerialPort::Data8,
         QSerialPort::OneAndHalfStop, QSerialPort::NoParity},
        {QStringLiteral("ttyUSB0"), 4800, QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity},
    };
    for (const Case& c : cases) {
        const PortSettings s = ParsePortDescription(c.description);
        EXPECT_EQ(s.baudRate, c.baud) << c.description.toStdString();
        EXPECT_EQ(s.dataBits, c.data) << c.description.toStdString();
        EXPECT_EQ(s.stopBits, c.stop) << c.description.toStdString();
        EXPECT_EQ(s.parity, c.parity) << c.description.toStdString();
    }
}

TEST(PortDescription, DeviceNames)
{
    EXPECT_EQ(PortName(QStringLiteral("COM7: bauds=9600 parity=N data=8 stop=1")), QStringLiteral("COM7"));
    EXPECT_EQ(PortName(QStringLiteral("/dev/ttyUSB0: bauds=9600")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(ComPortNumber(QStringLiteral("COM12: bauds=9600")), 12);
    EXPECT_FALSE(ComPortNumber(QStringLiteral("COMx: bauds=9600")));
#ifdef Q_OS_WIN
    EXPECT_EQ(DeviceName(QStringLiteral("COM12: bauds=9600 parity=N data=8 stop=1")), QStringLiteral("\\\\.\\COM12"));
    EXPECT_EQ(DeviceName(QStringLiteral("COM7: bauds=9600 parity=N data=8 stop=1")), QStringLiteral("COM7"));
#else
    EXPECT_EQ(DeviceName(QStringLiteral("ttyUSB0: bauds=9600 parity=N data=8 stop=1")), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(DeviceName(QStringLiteral("COM12: bauds=9600 parity=N data=8 stop=1")), QStringLiteral("COM12"));
#endif
}

TEST(BurstPort, CutsTheFinalLineEnd)
{
    struct Case {
        QString received;
        QString text;
        int count;
    };
    const Case cases[] = {
        {QStringLiteral("0123456789\r\n"), QStringLiteral("0123456789"), 12},
        {QStringLiteral("\r\n"), QString(), 2},
        {QStringLiteral("x"), QString(), 1},
    };
    for (const Case& c : cases) {
        const Burst b = CutBurst(c.received);
        EXPECT_EQ(b.text, c.text);
        EXPECT_EQ(b.count, c.count);
    }
}

TEST(RawLog, ClearedBeyondAHundredLines)
{
    QStringList log;
    for (int i = 0; i < 101; ++i) {
        AppendLogLine(log, QString::number(i));
    }
    EXPECT_EQ(log.size(), 101);
    AppendLogLine(log, QStringLiteral("new"));
    EXPECT_EQ(log, QStringList{QStringLiteral("new")});
}

TEST(PortDiscovery, ListingTextsAndDialogs)
{
    const PortProbe probe = [](const QString& name) { return name != QLatin1String("COM4"); };
    const PortListing two = ListSystemPorts({QStringLiteral("COM1"), QStringLiteral("COM4")}, probe);
    EXPECT_EQ(two.entries, (QStringList{QStringLiteral("COM1 : LIBRE"), QStringLiteral("COM4 : OCCUPEE")}));
    EXPECT_EQ(two.names, (QStringList{QStringLiteral("COM1"), QStringLiteral("COM4")}));
    const PortListingReport several = ReportPortListing(two);
    EXPECT_EQ(several.memoLines, (QStringList{QString(), QStringLiteral("----------- NEW ---------------"),
                                              QStringLiteral("TEST Open COM1 : LIBRE"),
                                              QStringLiteral("TEST Open COM4 : OCCUPEE")}));
    EXPECT_TRUE(several.dialog.startsWith(QStringLiteral("  Une ou plusieurs COM sont disponibles")));

    const PortListingReport one = ReportPortListing(ListSystemPorts({QStringLiteral("COM3")}, probe));
    EXPECT_EQ(one.dialog, QStringLiteral("  La COM3 : LIBRE semble disponible    \n\n  mettre à jour le tableau  (sans redémarrer) ..."));

    const PortListingReport none = ReportPortListing(ListSystemPorts({}, probe));
    EXPECT_TRUE(none.error);
    EXPECT_EQ(none.memoLines.back(), QStringLiteral(" Aucune COM est LIBRE ou OCCUPEE , vérifier les branchements"));
}

TEST(PortDiscovery, ComTestLogsTenPorts)
{
    const QStringList ports = PortsToTest({QStringLiteral("COM1")});
    ASSERT_EQ(ports.size(), 10);
    const QStringList log = TestComPorts(ports, QStringLiteral("9600"), false,
                                         [](const QString& name) { return name == QLatin1String("COM1"); });
    ASSERT_EQ(log.size(), 13);
    EXPECT_EQ(log[1], QStringLiteral("--------------------------"));
    EXPECT_EQ(log[2], QStringLiteral("TEST Open COM1: bauds=9600 parity=N data=8 stop=1 disponible"));
    EXPECT_EQ(log[3], QStringLiteral("TEST Open COM2: bauds=9600 parity=N data=8 stop=1 non disponible"));
    EXPECT_EQ(log.back(), QStringLiteral(" =====> Vérifier si le Driver du multimètre est installé "));
    const QStringList demo = TestComPorts(ports, QStringLiteral("9600"), true, [](const QString&) { return true; });
    EXPECT_TRUE(demo[2].endsWith(QStringLiteral(" non disponible")));

    QStringList many;
    for (int i = 12; i >= 0; --i) {
        many << QStringLiteral("ttyUSB%1").arg(i);
    }
    EXPECT_EQ(PortsToTest(SortedPortNames(many)).first(), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(PortsToTest(SortedPortNames(many)).last(), QStringLiteral("ttyUSB9"));
    EXPECT_EQ(SortedPortNames({QStringLiteral("COM10"), QStringLiteral("COM2")}),
              (QStringList{QStringLiteral("COM2"), QStringLiteral("COM10")}));
}

#include "serial/port_discovery.h"

#include "serial/port_description.h"
#include "util/translate.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

namespace sondalog {

namespace {
// COM2 before COM10, ttyUSB1 before ttyUSB10: the text before the final digits, then their value.
bool NaturalLess(const QString& a, const QString& b)
{
    auto split = [](const QString& s) {
        qsizetype i = s.size();
        while (i > 0 && s.at(i - 1).isDigit()) {
            --i;
        }
        return std::make_pair(s.left(i), s.mid(i).toLongLong());
    };
    const auto [pa, na] = split(a);
    const auto [pb, nb] = split(b);
    if (pa != pb) {
        return pa < pb;
    }
    if (na != nb) {
        return na < nb;
    }
    return a < b;
}
}  // namespace

QStringList SystemPortNames()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names << info.portName();
    }
    return SortedPortNames(names);
}

QStringList SortedPortNames(QStringList names)
{
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

bool ProbePort(const QString& name)
{
    QSerialPort port;
    port.setPortName(name);
    const bool opened = port.open(QIODevice::ReadWrite);
    if (opened) {
        port.close();
    }
    return opened;
}

PortListing ListSystemPorts(const QStringList& names, const PortProbe& probe)
{
    QList<bool> opened;
    for (const QString& name : names) {
        opened << probe(name);
    }
    return ListingFromResults(names, opened);
}

PortListing ListingFromResults(const QStringList& names, const QList<bool>& opened)
{
    PortListing listing;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool free = i < opened.size() && opened[i];
        listing.entries << names[i] + (free ? QStringLiteral(" : LIBRE") : QStringLiteral(" : OCCUPEE"));
        listing.names << names[i];
    }
    return listing;
}

PortListingReport ReportPortListing(const PortListing& listing)
{
    PortListingReport r;
    r.memoLines << QString() << QStringLiteral("----------- NEW ---------------");
    if (listing.entries.isEmpty()) {
        r.memoLines << Message(QT_TRANSLATE_NOOP("sondalog::Messages", " Aucune COM est LIBRE ou OCCUPEE , vérifier les branchements"));
        r.dialog = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  Aucune COM disponible, vérifier les branchements ou "
                                                                   "connecter un appareil \n\n       et tenter à nouveau "
                                                                   "sans redémarrer ..."));
        r.error = true;
        return r;
    }
    for (const QString& entry : listing.entries) {
        r.memoLines << QStringLiteral("TEST Open ") + entry;
    }
    if (listing.entries.size() == 1) {
        r.dialog = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  La %1 semble disponible    \n\n  mettre à jour le "
                                                                   "tableau  (sans redémarrer) ..."))
                       .arg(listing.entries.first());
    } else {
        r.dialog = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  Une ou plusieurs COM sont disponibles    \n\n  Choisir "
                                                                   "la bonne pour mettre à jour le tableau  (sans redémarrer) ..."));
    }
    return r;
}

QStringList PortsToTest(const QStringList& systemNames)
{
    const bool comNames = std::any_of(systemNames.begin(), systemNames.end(),
                                      [](const QString& n) { return n.startsWith(QLatin1String("COM")); });
    if (comNames || systemNames.isEmpty()) {
        QStringList com;
        for (int p = 1; p <= 10; ++p) {
            com << QStringLiteral("COM") + QString::number(p);
        }
        return com;
    }
    return systemNames.mid(0, 10);
}

QStringList TestComPorts(const QStringList& ports, const QString& speedCell, bool demo, const PortProbe& probe)
{
    QList<bool> opened;
    for (const QString& device : ComTestDevices(ports, speedCell)) {
        opened << (!demo && probe(device));  // in demonstration nothing is opened
    }
    return ComTestLog(ports, speedCell, opened);
}

QStringList ComTestDevices(const QStringList& ports, const QString& speedCell)
{
    QStringList devices;
    for (const QString& port : ports) {
        devices << DeviceName(DescriptionFor(port, speedCell));
    }
    return devices;
}

QStringList ComTestLog(const QStringList& ports, const QString& speedCell, const QList<bool>& opened)
{
    QStringList log;
    log << QString() << QStringLiteral("--------------------------");
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const bool available = i < opened.size() && opened[i];
        log << QStringLiteral("TEST Open ") + DescriptionFor(ports[i], speedCell) +
                   (available ? Message(QT_TRANSLATE_NOOP("sondalog::Messages", " disponible"))
                              : Message(QT_TRANSLATE_NOOP("sondalog::Messages", " non disponible")));
    }
    log << Message(QT_TRANSLATE_NOOP("sondalog::Messages", " =====> Vérifier si le Driver du multimètre est installé "));
    return log;
}

}  // namespace sondalog

#include "serial/port_discovery.h"

#include "serial/port_description.h"

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
    PortListing listing;
    for (const QString& name : names) {
        listing.entries << name + (probe(name) ? QStringLiteral(" : LIBRE") : QStringLiteral(" : OCCUPEE"));
        listing.names << name;
    }
    return listing;
}

PortListingReport ReportPortListing(const PortListing& listing)
{
    PortListingReport r;
    r.memoLines << QString() << QStringLiteral("----------- NEW ---------------");
    if (listing.entries.isEmpty()) {
        r.memoLines << QStringLiteral(" Aucune COM est LIBRE ou OCCUPEE , vérifier les branchements");
        r.dialog = QStringLiteral("  Aucune COM disponible, vérifier les branchements ou connecter un appareil \n\n"
                                  "       et tenter à nouveau sans redémarrer ...");
        r.error = true;
        return r;
    }
    for (const QString& entry : listing.entries) {
        r.memoLines << QStringLiteral("TEST Open ") + entry;
    }
    if (listing.entries.size() == 1) {
        r.dialog = QStringLiteral("  La ") + listing.entries.first() + QStringLiteral(" semble disponible    ") +
                   QStringLiteral("\n\n") + QStringLiteral("  mettre à jour le tableau  (sans redémarrer) ...");
    } else {
        r.dialog = QStringLiteral("  Une ou plusieurs COM sont disponibles    \n\n  Choisir la bonne pour mettre à jour "
                                  "le tableau  (sans redémarrer) ...");
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
    QStringList log;
    log << QString() << QStringLiteral("--------------------------");
    for (const QString& port : ports) {
        const QString description = DescriptionFor(port, speedCell);
        const bool available = !demo && probe(DeviceName(description));
        log << QStringLiteral("TEST Open ") + description +
                   (available ? QStringLiteral(" disponible") : QStringLiteral(" non disponible"));
    }
    log << QStringLiteral(" =====> Vérifier si le Driver du multimètre est installé ");
    return log;
}

}  // namespace sondalog

#pragma once
// Finding the instrument's port: the ports the system knows, each tried, and the COM1-COM10 test.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace sondalog {

struct PortListing {
    QStringList entries;  ///< "COM3 : LIBRE", "ttyUSB0 : OCCUPEE"
    QStringList names;    ///< the bare names, for the table's choice list
};

/// Tries to open a port by name; true when it opened (it is closed again at once).
using PortProbe = std::function<bool(const QString& name)>;

/// The system's serial ports in a stable (sorted) order.
QStringList SystemPortNames();
/// COM2 before COM10, ttyUSB1 before ttyUSB10.
QStringList SortedPortNames(QStringList names);
/// Opens a port exclusively and closes it; true when the open succeeded.
bool ProbePort(const QString& name);

/// Every port of `names` tried and reported " : LIBRE" or " : OCCUPEE".
PortListing ListSystemPorts(const QStringList& names, const PortProbe& probe);
/// The same listing from results already known (one per name: the port opened).
PortListing ListingFromResults(const QStringList& names, const QList<bool>& opened);

/// The lines written to the raw-lines memo after "NEW", and the dialog that follows.
struct PortListingReport {
    QStringList memoLines;
    QString dialog;
    bool error = false;  ///< no port at all: an error dialog, and nothing more
};
PortListingReport ReportPortListing(const PortListing& listing);

/// The ports of the COM1-COM10 test: COM1..COM10 where the system names ports so, else the
/// first ten ports the system lists.
QStringList PortsToTest(const QStringList& systemNames);
/// The log lines of the COM1-COM10 test; in demonstration nothing is opened ("non disponible").
QStringList TestComPorts(const QStringList& ports, const QString& speedCell, bool demo, const PortProbe& probe);
/// The devices that test opens, one per port.
QStringList ComTestDevices(const QStringList& ports, const QString& speedCell);
/// Its log lines from results already known (one per port: the port opened).
QStringList ComTestLog(const QStringList& ports, const QString& speedCell, const QList<bool>& opened);

}  // namespace sondalog

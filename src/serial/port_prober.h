#pragma once
// Trying ports without freezing the window: each port is opened on a thread of its own, and a
// port that has not answered within the time limit (a Bluetooth serial device can take seconds
// to open) is reported busy. Ports the program is reading from are reported busy without being
// opened again, so that probing never takes a port away from a running acquisition.

#include "serial/port_discovery.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace sondalog {

/// True when both texts name the same device ("ttyUSB0", "/dev/ttyUSB0").
bool SamePort(const QString& a, const QString& b);

class PortProber : public QObject {
    Q_OBJECT
public:
    explicit PortProber(PortProbe probe = ProbePort, QObject* parent = nullptr);
    ~PortProber() override;

    /// Starts trying `names`; `finished` gives one result per name, in the same order.
    /// Returns false (and does nothing) while an earlier probe is still going.
    bool Start(const QStringList& names, const QStringList& inUse, int limitMs = 1500);
    bool IsBusy() const { return state_ != nullptr; }

signals:
    void finished(const QStringList& names, const QList<bool>& opened);

private:
    struct State;
    void Finish();

    PortProbe probe_;
    std::shared_ptr<State> state_;
    QTimer deadline_;
};

}  // namespace sondalog

#include "serial/burst_port.h"

#include "util/cp1252.h"

namespace sondalog {

Burst CutBurst(const QString& received)
{
    Burst b;
    b.count = static_cast<int>(received.size());
    b.text = received.size() > 2 ? received.left(received.size() - 2) : QString();
    return b;
}

BurstPort::BurstPort(QObject* parent) : QObject(parent), handle_(this)
{
    silence_.setSingleShot(true);
    silence_.setTimerType(Qt::PreciseTimer);
    silence_.setInterval(kBurstSilenceMs);
    connect(&handle_, &PortHandle::bytesArrived, this, &BurstPort::OnBytes);
    connect(&handle_, &PortHandle::lost, this, &BurstPort::lost);
    connect(&silence_, &QTimer::timeout, this, &BurstPort::OnSilence);
}

bool BurstPort::Open(const QString& description)
{
    received_.clear();
    discard_ = false;
    silence_.stop();
    return handle_.Open(description, true, false);
}

void BurstPort::Close()
{
    silence_.stop();
    received_.clear();
    handle_.Close();
}

void BurstPort::DiscardUntilSilence()
{
    discard_ = true;
    silence_.start();
}

void BurstPort::OnBytes(const QByteArray& bytes)
{
    QByteArray kept = bytes;
    kept.replace('\0', QByteArray());  // a byte 0 adds nothing
    received_ += DecodeCp1252(kept);
    lastByte_.start();
    silence_.start();
}

void BurstPort::OnSilence()
{
    const QString received = received_;
    received_.clear();
    if (discard_) {
        discard_ = false;
        return;
    }
    if (received.isEmpty()) {
        return;
    }
    const Burst b = CutBurst(received);
    emit burstReceived(b.text, b.count);
}

}  // namespace sondalog

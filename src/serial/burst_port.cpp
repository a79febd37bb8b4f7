#include "serial/burst_port.h"

#include "util/cp1252.h"
#include "util/translate.h"

namespace sondalog {

Burst CutBurst(const QString& received)
{
    Burst b;
    b.count = static_cast<int>(received.size());
    b.text = received.size() > 2 ? received.left(received.size() - 2) : QString();
    return b;
}

namespace {
/// The index just past the line end that follows `from`, or -1.
qsizetype PastLineEnd(const QString& text, qsizetype from)
{
    const qsizetype lf = text.indexOf(u'\n', from);
    return lf < 0 ? -1 : lf + 1;
}
}  // namespace

qsizetype OverlongCut(const QString& received, const QString& blockEnd)
{
    if (!blockEnd.isEmpty()) {
        const qsizetype marker = received.lastIndexOf(blockEnd);
        const qsizetype cut = marker < 0 ? -1 : PastLineEnd(received, marker + blockEnd.size());
        if (cut > 0) {
            return cut;
        }
    }
    static const QString underscores = QStringLiteral("_____");
    const qsizetype rule = received.lastIndexOf(underscores);
    const qsizetype afterRule = rule < 0 ? -1 : PastLineEnd(received, rule);
    if (afterRule > 0) {
        return afterRule;
    }
    const qsizetype lf = received.lastIndexOf(u'\n');
    return lf >= 0 ? lf + 1 : received.size();
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
    toldOverlong_ = false;
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
    if (received_.isEmpty()) {
        burstStart_.start();
    }
    received_ += DecodeCp1252(kept);
    lastByte_.start();
    silence_.start();
    if (received_.size() >= kMaxBurstChars || (burstStart_.isValid() && burstStart_.elapsed() >= kMaxBurstMs)) {
        CutOverlong();
    }
}

void BurstPort::CutOverlong()
{
    // Without a pause the burst would grow for ever: hand on its whole blocks, keep the rest.
    if (!toldOverlong_) {
        toldOverlong_ = true;
        emit overlong(Message(kOverlongBurstLog));
    }
    while (received_.size() >= kMaxBurstChars || burstStart_.elapsed() >= kMaxBurstMs) {
        const QString limited = received_.left(kMaxBurstChars);
        const qsizetype cut = std::max<qsizetype>(1, OverlongCut(limited, blockEnd_));
        const QString head = received_.left(cut);
        received_.remove(0, cut);
        burstStart_.start();
        HandOn(head);
        if (received_.isEmpty()) {
            break;
        }
    }
}

void BurstPort::HandOn(const QString& received)
{
    if (discard_) {
        discard_ = false;  // the part under way when the port came back is gone; the rest is whole
        return;
    }
    const Burst b = CutBurst(received);
    emit burstReceived(b.text, b.count);
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
    HandOn(received);
}

}  // namespace sondalog

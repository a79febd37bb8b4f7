#include "serial/line_port.h"

#include "util/cp1252.h"
#include "util/translate.h"

namespace sondalog {

LinePort::LinePort(QObject* parent) : QObject(parent), handle_(this)
{
    silence_.setSingleShot(true);
    silence_.setTimerType(Qt::PreciseTimer);
    silence_.setInterval(11);
    connect(&handle_, &PortHandle::bytesArrived, this, &LinePort::OnBytes);
    connect(&handle_, &PortHandle::lost, this, &LinePort::lost);
    connect(&silence_, &QTimer::timeout, this, &LinePort::OnSilence);
}

bool LinePort::Open(const QString& description)
{
    pending_.clear();
    toldOverlong_ = false;
    SetTimeouts(10);
    return handle_.Open(description, false, false);
}

void LinePort::Close()
{
    silence_.stop();
    pending_.clear();
    handle_.Close();
}

void LinePort::Purge()
{
    handle_.Purge();
    pending_.clear();
}

void LinePort::OnBytes(const QByteArray& bytes)
{
    const QString text = DecodeCp1252(bytes);
    qsizetype start = 0;
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', start)) {
        pending_ += QStringView(text).mid(start, cr - start);
        const QString line = pending_;
        pending_.clear();
        start = cr + 1;
        emit lineReceived(line);
    }
    pending_ += QStringView(text).mid(start);
    while (pending_.size() >= kMaxLineChars) {
        if (!toldOverlong_) {
            toldOverlong_ = true;
            emit overlong(Message(kOverlongLineLog));
        }
        const QString piece = pending_.left(kMaxLineChars);
        pending_.remove(0, kMaxLineChars);
        emit lineReceived(piece);
    }
    if (pending_.isEmpty()) {
        silence_.stop();
    } else {
        silence_.start();
    }
}

void LinePort::OnSilence()
{
    if (!pending_.isEmpty()) {
        const QString line = pending_;
        pending_.clear();
        emit lineReceived(line);
    }
}

}  // namespace sondalog

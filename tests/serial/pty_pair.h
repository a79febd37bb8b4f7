#pragma once
// A pseudo-terminal pair: the test writes on the master side what an instrument would send.

#include <QByteArray>
#include <QString>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

class PtyPair {
public:
    PtyPair()
    {
        termios raw{};
        cfmakeraw(&raw);
        char name[256] = {};
        if (openpty(&master_, &slave_, name, &raw, nullptr) == 0) {
            name_ = QString::fromLocal8Bit(name);
        }
    }
    ~PtyPair()
    {
        if (master_ >= 0) {
            ::close(master_);
        }
        if (slave_ >= 0) {
            ::close(slave_);
        }
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool Ok() const { return master_ >= 0; }
    QString Description() const { return name_ + QStringLiteral(": bauds=9600 parity=N data=8 stop=1"); }
    bool Send(const QByteArray& bytes) const { return ::write(master_, bytes.constData(), bytes.size()) == bytes.size(); }
    QByteArray Receive() const
    {
        char buffer[256];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, static_cast<int>(n)) : QByteArray();
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString name_;
};

#pragma once
// The simulated multimeter as a child process; what it sent is read from its output.

#include "wait_until.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

class Simulator {
public:
    Simulator(const QString& link, const QStringList& args)
    {
        process_.start(QStringLiteral(SONDALOG_SIM), QStringList{link} + args);
        process_.waitForStarted();
        WaitUntil([&] { return QFile::exists(link); }, 5000);
    }
    ~Simulator()
    {
        process_.terminate();
        process_.waitForFinished(3000);
    }
    /// The values sent, in order.
    QList<double> Sent()
    {
        Read();
        return sent_;
    }
    int Lost()
    {
        Read();
        return lost_;
    }
    bool Finished() { return process_.state() == QProcess::NotRunning; }

private:
    void Read()
    {
        buffer_ += process_.readAllStandardOutput();
        qsizetype end = buffer_.lastIndexOf('\n');
        if (end < 0) {
            return;
        }
        for (const QByteArray& line : buffer_.left(end).split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 3 && words[0] == "sent") {
                sent_ << words[2].toDouble();
            } else if (words.size() == 3 && words[0] == "lost") {
                ++lost_;
            }
        }
        buffer_ = buffer_.mid(end + 1);
    }

    QProcess process_;
    QByteArray buffer_;
    QList<double> sent_;
    int lost_ = 0;
};


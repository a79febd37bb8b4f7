#include "serial/port_prober.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include <algorithm>

namespace sondalog {

bool SamePort(const QString& a, const QString& b)
{
    auto bare = [](QString s) {
        s = s.trimmed();
        if (s.startsWith(QLatin1String("/dev/"))) {
            s = s.mid(5);
        } else if (s.startsWith(QLatin1String("\\\\.\\"))) {
            s = s.mid(4);
        }
        return s;
    };
    const QString x = bare(a);
    return !x.isEmpty() && x.compare(bare(b), Qt::CaseSensitive) == 0;
}

// Shared with the probing threads: a thread that outlives the time limit writes into a state
// nobody reads any more, never into a freed one.
struct PortProber::State {
    QStringList names;
    QList<bool> opened;
    QList<bool> answered;
    int pending = 0;
};

PortProber::PortProber(PortProbe probe, QObject* parent) : QObject(parent), probe_(std::move(probe))
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &PortProber::Finish);
}

PortProber::~PortProber() = default;

bool PortProber::Start(const QStringList& names, const QStringList& inUse, int limitMs)
{
    if (state_) {
        return false;
    }
    auto state = std::make_shared<State>();
    state->names = names;
    state->opened = QList<bool>(names.size(), false);
    state->answered = QList<bool>(names.size(), false);
    state_ = state;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool busy = std::any_of(inUse.begin(), inUse.end(), [&](const QString& u) { return SamePort(u, names[i]); });
        if (busy) {
            state->answered[i] = true;  // the run's own port: busy, and left alone
            continue;
        }
        ++state->pending;
        const QString name = names[i];
        QPointer<PortProber> self(this);
        QThread* thread = QThread::create([probe = probe_, name, state, i, self] {
            const bool opened = probe(name);
            // Handed to the window thread through the application, which outlives any prober.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [self, state, i, opened] {
                if (!self || self->state_ != state || state->answered[i]) {
                    return;  // too late: already reported busy
                }
                state->opened[i] = opened;
                state->answered[i] = true;
                if (--state->pending == 0) {
                    self->Finish();
                }
            }, Qt::QueuedConnection);
        });
        // A thread stuck in open() is left to finish on its own; it deletes itself when it does.
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start();
    }
    if (state->pending == 0) {
        QMetaObject::invokeMethod(this, &PortProber::Finish, Qt::QueuedConnection);
    } else {
        deadline_.start(limitMs);
    }
    return true;
}

void PortProber::Finish()
{
    if (!state_) {
        return;
    }
    deadline_.stop();
    const std::shared_ptr<State> done = std::move(state_);
    state_.reset();
    emit finished(done->names, done->opened);
}

}  // namespace sondalog

#pragma once
// Long work (reading and decoding a stored file) off the window thread: the work gets its own
// copies of what it needs and hands one result back; nothing is shared while it runs but a
// progress count and a cancel flag.

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace sondalog {

/// Runs `work` on a thread of its own, then `done` with its result on `context`'s thread. When
/// `context` is gone by then, the result is dropped.
template <typename T>
void RunInBackground(QObject* context, std::function<T()> work, std::function<void(T&&)> done)
{
    auto result = std::make_shared<T>();
    QThread* thread = QThread::create([work = std::move(work), result] { *result = work(); });
    QObject::connect(thread, &QThread::finished, context, [result, done = std::move(done)] { done(std::move(*result)); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

}  // namespace sondalog

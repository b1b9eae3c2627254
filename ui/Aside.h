#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

// Work that may take long (a folder on a mount that does not answer) runs aside from the
// window's thread, and its result comes back to the window by a queued call.
namespace aside {

namespace detail {
// Counts work while it runs, so that a test can wait for it before its fakes go.
void started();
void finished();
} // namespace detail

// Runs work on a thread of its own and hands its result to done on receiver's thread. The
// queued call goes with receiver when it is destroyed first. Not the shared thread pool:
// work stuck for good would keep one of its few threads, and the pool the program's exit.
template <typename Result>
void run(QObject* receiver, std::function<Result()> work, std::function<void(const Result&)> done) {
    const auto result = std::make_shared<Result>();
    detail::started();
    QThread* thread = QThread::create([result, work = std::move(work)] {
        *result = work();
        detail::finished();
    });
    QObject::connect(thread, &QThread::finished, receiver,
                     [result, done = std::move(done)] { done(*result); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

// Waits until no work runs aside; false when some still runs after deadlineMs.
bool waitForAll(int deadlineMs);

} // namespace aside

#include "ui/Aside.h"

#include <QDeadlineTimer>

#include <atomic>

namespace aside {
namespace {

std::atomic<int> running{0};
constexpr unsigned long PollMs = 5;

} // namespace

namespace detail {
void started() {
    ++running;
}
void finished() {
    --running;
}
} // namespace detail

bool waitForAll(int deadlineMs) {
    const QDeadlineTimer deadline(deadlineMs);
    while (running.load() > 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(PollMs);
    }
    return true;
}

} // namespace aside

#include "Polling.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace {
constexpr int SliceMs = 20;
} // namespace

testing::AssertionResult eventually(const std::function<bool()>& condition, const char* what,
                                    int deadlineMs) {
    const QDeadlineTimer deadline(deadlineMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return testing::AssertionFailure()
                   << "still waiting after " << deadlineMs << " ms for " << what;
        QCoreApplication::processEvents(QEventLoop::AllEvents, SliceMs);
        QThread::msleep(SliceMs);
    }
    return testing::AssertionSuccess();
}

#include "HostileFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <future>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace hostile {

bool makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

bool makeLink(const QString& target, const QString& path) {
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) ==
           0;
}

bool isLink(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

QString linkTarget(const QString& path) {
    char buffer[4096];
    const ssize_t length =
        ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer - 1);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(buffer, length));
}

namespace {
void openForWriting(const QStringList& fifos) {
    for (const QString& fifo : fifos) {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
}
} // namespace

struct FifoRelease::State {
    std::mutex mutex;
    std::condition_variable done;
    bool cancelled = false;
    bool fired = false;
};

FifoRelease::FifoRelease(QStringList fifos, int milliseconds)
    : state_(std::make_shared<State>()) {
    std::thread([state = state_, fifos = std::move(fifos), milliseconds] {
        std::unique_lock lock(state->mutex);
        if (state->done.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                 [&] { return state->cancelled; }))
            return;
        state->fired = true;
        // Readers may open one after the other, so each FIFO is released a few times.
        for (int again = 0; again < 20 && !state->cancelled; ++again) {
            openForWriting(fifos);
            state->done.wait_for(lock, std::chrono::milliseconds(50));
        }
    }).detach();
}

FifoRelease::~FifoRelease() {
    const std::lock_guard lock(state_->mutex);
    state_->cancelled = true;
    state_->done.notify_all();
}

bool FifoRelease::fired() const {
    const std::lock_guard lock(state_->mutex);
    return state_->fired;
}

bool returnsWithin(int milliseconds, const std::function<void()>& call,
                   const QStringList& release) {
    std::future<void> done = std::async(std::launch::async, call);
    if (done.wait_for(std::chrono::milliseconds(milliseconds)) == std::future_status::ready)
        return true;
    openForWriting(release);
    return false;
}

QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace hostile

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Reading a file that may be anything at all: a FIFO, a device, a folder, a file of any
// size. Header only, so that the sound module, which does not link the core, reads its
// files the same way as the data files are read.
namespace boundedread {

enum class Outcome {
    Read,
    Missing,    // nothing there, also a link that points nowhere
    NotRegular, // a FIFO, socket, device or folder
    TooLarge,   // more bytes than the caller takes
    Failed,     // the system refused to open or read it
};

struct Result {
    Outcome outcome = Outcome::Failed;
    QByteArray bytes; // the whole file when outcome is Read
    bool ok() const { return outcome == Outcome::Read; }
};

namespace detail {

constexpr qsizetype ChunkBytes = 64 * 1024;

struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

inline Outcome readAll(int fd, qint64 maxBytes, QByteArray& bytes) {
    char chunk[ChunkBytes];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Outcome::Failed;
        if (count == 0)
            return Outcome::Read;
        // The size the system reported may be wrong (/proc, a file still growing): only
        // the bytes actually read count against the cap.
        if (bytes.size() + count > maxBytes)
            return Outcome::TooLarge;
        bytes.append(chunk, count);
    }
}

} // namespace detail

// The file's bytes when it is a regular file of at most maxBytes. Never waits in open():
// O_NONBLOCK lets a FIFO without a writer open at once, and fstat on the open descriptor
// then refuses it, so nothing can be swapped between the check and the read.
inline Result read(const QString& path, qint64 maxBytes) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT || errno == ENOTDIR ? Outcome::Missing : Outcome::Failed, {}};
    const detail::Descriptor guard{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return {Outcome::Failed, {}};
    if (!S_ISREG(status.st_mode))
        return {Outcome::NotRegular, {}};
    if (status.st_size > maxBytes)
        return {Outcome::TooLarge, {}};
    Result result;
    result.bytes.reserve(qsizetype(status.st_size));
    result.outcome = detail::readAll(fd, maxBytes, result.bytes);
    if (!result.ok())
        result.bytes.clear();
    return result;
}

} // namespace boundedread

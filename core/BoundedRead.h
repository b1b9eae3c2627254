#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <utility>

// Reading a file that may be anything at all: a FIFO, a device, a folder, a file of any
// size. Inline but for the system's open, so that the sound module, which does not link
// the core, reads its files the same way as the data files are read.
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

// Each system's own, beside open(). readSome gives the bytes read, 0 at the end, or -1 on
// failure; an interrupted read is tried again.
qint64 readSome(int fd, char* buffer, qint64 size);
void close(int fd);

// An open file descriptor, closed with its owner.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int descriptor)
        : fd(descriptor) {}
    Descriptor(Descriptor&& other) noexcept
        : fd(std::exchange(other.fd, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor() {
        if (fd >= 0)
            detail::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

inline Outcome readAll(int fd, qint64 maxBytes, QByteArray& bytes) {
    char chunk[ChunkBytes];
    for (;;) {
        const qint64 count = readSome(fd, chunk, sizeof chunk);
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

// A file opened by open() below; its descriptor closes with it.
struct Opened {
    Outcome outcome = Outcome::Failed;
    detail::Descriptor descriptor;
    qint64 size = 0;
    bool ok() const { return outcome == Outcome::Read; }
};

// The file when it is a regular file of at most maxBytes, opened for reading. This is the
// one way the program opens a file it did not write. It never waits for a writer, and the
// check is made on the open file, so nothing can be swapped between the check and the read.
// Each system's own, in platform/<system>/BoundedOpen.cpp.
Opened open(const QString& path, qint64 maxBytes);

// The file's bytes when it is a regular file of at most maxBytes.
inline Result read(const QString& path, qint64 maxBytes) {
    const Opened file = open(path, maxBytes);
    if (!file.ok())
        return {file.outcome, {}};
    Result result;
    result.bytes.reserve(qsizetype(file.size));
    result.outcome = detail::readAll(file.descriptor.fd, maxBytes, result.bytes);
    if (!result.ok())
        result.bytes.clear();
    return result;
}

// The same file as a device, for readers that take one and read only what they need (a
// picture's header). Its reads are not capped: the caller bounds what it decodes.
inline std::unique_ptr<QFile> openDevice(const QString& path, qint64 maxBytes) {
    Opened file = open(path, maxBytes);
    if (!file.ok())
        return {};
    auto device = std::make_unique<QFile>();
    if (!device->open(file.descriptor.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {};
    file.descriptor.release(); // the device closes it now
    return device;
}

} // namespace boundedread

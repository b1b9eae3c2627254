#include "core/BoundedRead.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace boundedread {

namespace detail {

qint64 readSome(int fd, char* buffer, qint64 size) {
    for (;;) {
        const ssize_t count = ::read(fd, buffer, size_t(size));
        if (count >= 0 || errno != EINTR)
            return count;
    }
}

void close(int fd) {
    ::close(fd);
}

} // namespace detail

// O_NONBLOCK lets a FIFO without a writer open at once; fstat on the open descriptor then
// refuses it.
Opened open(const QString& path, qint64 maxBytes) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT || errno == ENOTDIR ? Outcome::Missing : Outcome::Failed, {}};
    detail::Descriptor descriptor(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return {Outcome::Failed, {}};
    if (!S_ISREG(status.st_mode))
        return {Outcome::NotRegular, {}};
    if (status.st_size > maxBytes)
        return {Outcome::TooLarge, {}};
    return {Outcome::Read, std::move(descriptor), qint64(status.st_size)};
}

} // namespace boundedread

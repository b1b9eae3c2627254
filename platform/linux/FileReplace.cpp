// The POSIX steps of a safe write: a unique temporary file, fsync, rename, and the
// folder synced after.
#include "core/FileReplace.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace filereplace {
namespace {

constexpr qsizetype CopyChunkBytes = 64 * 1024;
constexpr mode_t NewFileMode = 0666;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool fail(QString& detail, const QString& why) {
    detail = why;
    return false;
}

// A file this write made: closed, and removed unless committed. A name that could not be
// made is never removed, as it may be someone else's file.
struct Temporary {
    QByteArray name;
    int fd = -1;
    bool made = false;
    bool committed = false;

    bool makeUnique() { return made = (fd = ::mkostemp(name.data(), O_CLOEXEC)) >= 0; }
    bool makeNew() {
        return made = (fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                   0600)) >= 0;
    }
    bool close() { return ::close(std::exchange(fd, -1)) == 0; }
    ~Temporary() {
        if (fd >= 0)
            ::close(fd);
        if (made && !committed)
            ::unlink(name.constData());
    }
};

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

// The new file gets the old file's permissions, or what the user's umask gives a new file
// where there was none (or a device or FIFO, whose permissions mean something else).
void copyMode(const QByteArray& target, int fd) {
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, NewFileMode & ~mask);
}

bool isLink(const QString& path) {
    struct stat status {};
    return ::lstat(native(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

// What the link says, as it says it: a relative link stays relative beside its twin.
std::optional<QByteArray> linkText(const QString& link) {
    QByteArray text(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink(native(link).constData(), text.data(), size_t(text.size()));
    if (length < 0 || length >= text.size())
        return std::nullopt;
    text.truncate(length);
    return text;
}

bool copyBytes(int in, int out) {
    char chunk[CopyChunkBytes];
    for (;;) {
        const ssize_t count = ::read(in, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count == 0;
        if (!writeAll(out, QByteArray::fromRawData(chunk, count)))
            return false;
    }
}

bool copyRegular(const QString& from, const QString& to, QString& detail) {
    const int in = ::open(native(from).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return fail(detail, systemError(errno));
    struct stat status {};
    Temporary out{native(to)};
    const bool ok = ::fstat(in, &status) == 0 && S_ISREG(status.st_mode) && out.makeNew() &&
                    copyBytes(in, out.fd) && ::fchmod(out.fd, status.st_mode & 07777) == 0 &&
                    ::fsync(out.fd) == 0 && out.close();
    const int error = errno;
    ::close(in);
    out.committed = ok;
    return ok || fail(detail, systemError(error));
}

// One attempt at keeping target under name: EEXIST means try the next name.
int keepUnderName(const QString& target, const QString& name, bool folder, QString& detail) {
    // A link is kept as a link to the same place, never by what it points to.
    if (isLink(target)) {
        const std::optional<QByteArray> pointsTo = linkText(target);
        if (!pointsTo)
            return EIO;
        return ::symlink(pointsTo->constData(), native(name).constData()) == 0 ? 0 : errno;
    }
    if (folder)
        return ::renameat2(AT_FDCWD, native(target).constData(), AT_FDCWD, native(name).constData(),
                           RENAME_NOREPLACE) == 0
                   ? 0
                   : errno;
    if (::link(native(target).constData(), native(name).constData()) == 0)
        return 0;
    const int linkError = errno;
    if (linkError == EEXIST || !QFileInfo(target).isFile())
        return linkError;
    // No hard links here (another file system, or one without them): copy the bytes.
    if (copyRegular(target, name, detail))
        return 0;
    return QFileInfo::exists(name) ? EEXIST : EIO;
}

} // namespace

bool replaceContents(const QString& target, const QByteArray& bytes, QString& detail) {
    Temporary temporary{native(temporaryPattern(target))};
    if (!temporary.makeUnique())
        return fail(detail, systemError(errno));
    copyMode(native(target), temporary.fd);
    struct stat written {};
    // Each step is checked: a full disk may only show at the write, the flush or the sync.
    if (!writeAll(temporary.fd, bytes) || ::fsync(temporary.fd) != 0 ||
        ::fstat(temporary.fd, &written) != 0)
        return fail(detail, systemError(errno));
    if (written.st_size != bytes.size())
        return fail(detail, QStringLiteral("%1 / %2 bytes").arg(written.st_size).arg(bytes.size()));
    if (!temporary.close() || ::rename(temporary.name.constData(), native(target).constData()) != 0)
        return fail(detail, systemError(errno));
    temporary.committed = true;
    system::syncFolder(target);
    return true;
}

namespace system {

std::optional<bool> keptByMoving(const QString& target, QString& detail) {
    struct stat status {};
    if (::lstat(native(target).constData(), &status) != 0) {
        detail = systemError(errno);
        return std::nullopt;
    }
    return S_ISDIR(status.st_mode);
}

Keeping keepUnder(const QString& target, const QString& name, bool folder, QString& detail) {
    const int error = keepUnderName(target, name, folder, detail);
    if (error == 0)
        return Keeping::Kept;
    if (error == EEXIST)
        return Keeping::NameTaken;
    if (detail.isEmpty())
        detail = systemError(error);
    return Keeping::Failed;
}

void syncFolder(const QString& path) {
    const int fd = ::open(native(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace system
} // namespace filereplace

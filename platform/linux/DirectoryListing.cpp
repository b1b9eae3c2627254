// Folder listings and file details for the file search. A folder of 100,000 files is read
// in one pass: the kind of each entry comes from readdir, and only an entry whose kind the
// file system leaves unknown costs a statx.
#include "LinuxPlatform.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

bool isDotName(const char* name) {
    return name[0] == '.';
}

bool isSelfOrParent(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The entry's kind as S_IF*, from the listing where it says, else from statx; 0 when the
// entry has gone meanwhile.
mode_t entryKind(int folderFd, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN)
        return DTTOIF(entry.d_type);
    struct statx details {};
    if (statx(folderFd, entry.d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE,
              &details) != 0)
        return 0;
    return details.stx_mode & S_IFMT;
}

// A symbolic link counts as what it points at, as a listing on the desktop shows it.
mode_t followedKind(int folderFd, const char* name, mode_t kind) {
    if (kind != S_IFLNK)
        return kind;
    struct statx details {};
    if (statx(folderFd, name, AT_NO_AUTOMOUNT, STATX_TYPE, &details) != 0)
        return kind;
    return details.stx_mode & S_IFMT;
}

std::optional<QDateTime> timeOf(const statx_timestamp& stamp, bool known) {
    if (!known)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(stamp.tv_sec * 1000 + stamp.tv_nsec / 1000000);
}

} // namespace

std::optional<QList<DirectoryEntry>> LinuxPlatform::listDirectory(const QString& folder) {
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    const int folderFd = dirfd(dir);
    QList<DirectoryEntry> entries;
    while (const dirent* entry = readdir(dir)) {
        if (isSelfOrParent(entry->d_name))
            continue;
        const mode_t kind = followedKind(folderFd, entry->d_name, entryKind(folderFd, *entry));
        DirectoryEntry& added = entries.emplace_back();
        added.name = QFile::decodeName(entry->d_name);
        added.directory = kind == S_IFDIR;
        added.hidden = isDotName(entry->d_name);
        added.system = kind != S_IFREG && kind != S_IFDIR;
    }
    closedir(dir);
    return entries;
}

std::optional<FileProperties> LinuxPlatform::fileProperties(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct statx details {};
    const unsigned wanted =
        STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;
    if (statx(AT_FDCWD, name.constData(), AT_NO_AUTOMOUNT, wanted, &details) != 0)
        return std::nullopt;
    FileProperties properties;
    properties.created = timeOf(details.stx_btime, details.stx_mask & STATX_BTIME);
    properties.modified = timeOf(details.stx_mtime, details.stx_mask & STATX_MTIME);
    properties.accessed = timeOf(details.stx_atime, details.stx_mask & STATX_ATIME);
    if (details.stx_mask & STATX_SIZE)
        properties.size = details.stx_size;
    // The permission bits alone, so that root sees a read-only file as read-only too.
    properties.readOnly = (details.stx_mode & AnyWrite) == 0;
    const qsizetype slash = name.lastIndexOf('/');
    properties.hidden = name.size() > slash + 1 && name[slash + 1] == '.';
    properties.system = !S_ISREG(details.stx_mode) && !S_ISDIR(details.stx_mode);
    properties.compressed = details.stx_attributes & STATX_ATTR_COMPRESSED;
    return properties;
}

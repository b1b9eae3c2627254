// The drive list and drive types, from the kernel's table of mounts.
#include "LinuxPlatform.h"
#include "core/DriveFigures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

const QString MountInfoPath = QStringLiteral("/proc/self/mountinfo");
const QString SysBlockDevice = QStringLiteral("/sys/dev/block/%1:%2");
constexpr qint64 MountInfoLimit = 4 * 1024 * 1024;

QList<drives::Mount> mounts() {
    QFile file(MountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return drives::parseMountInfo(file.read(MountInfoLimit));
}

// The sysfs folder of the whole disk behind a block device's partition or disk.
QString diskFolder(const QString& device) {
    struct stat status {};
    if (stat(QFile::encodeName(device).constData(), &status) != 0 || !S_ISBLK(status.st_mode))
        return {};
    const QString folder =
        QFileInfo(SysBlockDevice.arg(major(status.st_rdev)).arg(minor(status.st_rdev)))
            .canonicalFilePath();
    // A partition's folder lies inside its disk's, which has the removable flag.
    if (QFile::exists(folder + QStringLiteral("/partition")))
        return QFileInfo(folder).path();
    return folder;
}

drives::MountDescription describe(const drives::Mount& mount) {
    drives::MountDescription description{mount.fsType};
    const QString disk = diskFolder(mount.source);
    if (disk.isEmpty())
        return description;
    description.blockDevice = true;
    QFile removable(disk + QStringLiteral("/removable"));
    description.removable = removable.open(QIODevice::ReadOnly) && removable.read(1) == "1";
    description.usb = disk.contains(QStringLiteral("/usb"));
    description.optical = QFileInfo(disk).fileName().startsWith(QStringLiteral("sr"));
    return description;
}

} // namespace

std::optional<DriveType> LinuxPlatform::driveType(const QString& root) {
    const QString mountPoint = QStorageInfo(root).rootPath();
    if (mountPoint.isEmpty())
        return std::nullopt;
    const QList<drives::Mount> all = mounts();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->mountPoint == mountPoint)
            return static_cast<DriveType>(drives::typeOf(describe(*it)));
    }
    return std::nullopt;
}

QStringList LinuxPlatform::drives(const QString& path) {
    QStringList roots;
    const QString holding = QStorageInfo(path).rootPath();
    if (!holding.isEmpty())
        roots << holding;
    for (const drives::Mount& mount : mounts()) {
        if (drives::keepsFiles(mount) && !roots.contains(mount.mountPoint))
            roots << mount.mountPoint;
    }
    return roots;
}

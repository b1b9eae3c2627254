// The drive letters, their kinds and their capacity.
#include "WindowsPlatform.h"

#include <QStorageInfo>

#include <windows.h>

namespace {

constexpr int DriveLetters = 26;
const QString RootOfLetter = QStringLiteral("%1:/");

std::wstring rootName(const QString& root) {
    std::wstring name = nativePath(root);
    if (!name.empty() && name.back() != L'\\')
        name += L'\\';
    return name;
}

} // namespace

std::optional<DiskSpace> WindowsPlatform::diskFreeSpace(const QString& root) {
    ULARGE_INTEGER available{}, total{}, freeBytes{};
    if (!GetDiskFreeSpaceExW(rootName(root).c_str(), &available, &total, &freeBytes))
        return std::nullopt;
    return DiskSpace{available.QuadPart, total.QuadPart, freeBytes.QuadPart};
}

std::optional<DriveType> WindowsPlatform::driveType(const QString& root) {
    switch (GetDriveTypeW(rootName(root).c_str())) {
    case DRIVE_REMOVABLE:
        return DriveType::Removable;
    case DRIVE_FIXED:
        return DriveType::Fixed;
    case DRIVE_REMOTE:
        return DriveType::Network;
    case DRIVE_CDROM:
        return DriveType::CdRom;
    case DRIVE_RAMDISK:
        return DriveType::RamDisk;
    case DRIVE_UNKNOWN:
        return DriveType::Unknown;
    default: // no such root
        return std::nullopt;
    }
}

QStringList WindowsPlatform::drives(const QString& path) {
    QStringList roots;
    const QString holding = QStorageInfo(path).rootPath();
    if (!holding.isEmpty())
        roots << holding;
    const DWORD letters = GetLogicalDrives();
    for (int letter = 0; letter < DriveLetters; ++letter) {
        const QString root = RootOfLetter.arg(QChar(u'A' + letter));
        if ((letters & (1u << letter)) && !roots.contains(root, Qt::CaseInsensitive))
            roots << root;
    }
    return roots;
}

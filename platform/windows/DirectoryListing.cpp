// Folder listings and file details for the file search: one pass of the system's listing,
// whose entries carry their attributes.
#include "WindowsPlatform.h"

#include <QDir>

#include <windows.h>

namespace {

// 100-nanosecond steps from 1601 to 1970.
constexpr qint64 FileTimeAtUnixEpoch = 116444736000000000LL;
constexpr qint64 FileTimeStepsPerMillisecond = 10000;

bool isSelfOrParent(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

std::optional<QDateTime> timeOf(const FILETIME& time) {
    const qint64 steps = (qint64(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    if (steps == 0)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch((steps - FileTimeAtUnixEpoch) /
                                          FileTimeStepsPerMillisecond);
}

} // namespace

std::optional<QList<DirectoryEntry>> WindowsPlatform::listDirectory(const QString& folder) {
    const std::wstring pattern = nativePath(QDir(folder).filePath(QStringLiteral("*")));
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                         FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        // An empty folder has no entries at all, not even "." on a drive's root.
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return QList<DirectoryEntry>();
        return std::nullopt;
    }
    QList<DirectoryEntry> entries;
    do {
        if (isSelfOrParent(found.cFileName))
            continue;
        DirectoryEntry& added = entries.emplace_back();
        added.name = QString::fromWCharArray(found.cFileName);
        added.directory = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        added.hidden = found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN;
        added.system = found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

std::optional<FileProperties> WindowsPlatform::fileProperties(const QString& path) {
    WIN32_FILE_ATTRIBUTE_DATA details{};
    if (!GetFileAttributesExW(nativePath(path).c_str(), GetFileExInfoStandard, &details))
        return std::nullopt;
    FileProperties properties;
    properties.created = timeOf(details.ftCreationTime);
    properties.modified = timeOf(details.ftLastWriteTime);
    properties.accessed = timeOf(details.ftLastAccessTime);
    properties.size = (quint64(details.nFileSizeHigh) << 32) | details.nFileSizeLow;
    const DWORD attributes = details.dwFileAttributes;
    properties.readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    properties.hidden = attributes & FILE_ATTRIBUTE_HIDDEN;
    properties.system = attributes & FILE_ATTRIBUTE_SYSTEM;
    properties.archive = attributes & FILE_ATTRIBUTE_ARCHIVE;
    properties.compressed = attributes & FILE_ATTRIBUTE_COMPRESSED;
    return properties;
}

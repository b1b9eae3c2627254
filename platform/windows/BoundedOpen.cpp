#include "core/BoundedRead.h"

#include <QDir>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace boundedread {

namespace detail {

qint64 readSome(int fd, char* buffer, qint64 size) {
    return _read(fd, buffer, unsigned(size));
}

void close(int fd) {
    _close(fd);
}

} // namespace detail

namespace {

Outcome openFailure(const std::wstring& name) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return Outcome::Missing;
    // A folder cannot be opened as a file; say what it is rather than that it failed.
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)
               ? Outcome::NotRegular
               : Outcome::Failed;
}

} // namespace

// Shared for reading, writing and deleting, so that a file another program holds open still
// reads. A pipe or a device opens without waiting and is refused by its type.
Opened open(const QString& path, qint64 maxBytes) {
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {openFailure(name), {}};
    LARGE_INTEGER size{};
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    if (!disk || !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return {disk ? Outcome::Failed : Outcome::NotRegular, {}};
    }
    if (size.QuadPart > maxBytes) {
        CloseHandle(file);
        return {Outcome::TooLarge, {}};
    }
    // Binary, or the runtime would turn CR LF into LF on the way.
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
        return {Outcome::Failed, {}};
    }
    return {Outcome::Read, detail::Descriptor(fd), qint64(size.QuadPart)};
}

} // namespace boundedread

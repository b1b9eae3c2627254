// The Windows steps of a safe write: a new temporary file beside the target, flushed to
// the disk, its size checked, then moved over the target in one step, written through.
#include "core/FileReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

namespace filereplace {
namespace {

constexpr int MaxTemporaryNames = 100;
const QString Letters =
    QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

std::wstring native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

bool fail(QString& detail) {
    detail = qt_error_string(int(GetLastError()));
    return false;
}

bool nameTaken(DWORD error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

QString withLetters(const QString& pattern) {
    QString name = pattern;
    for (qsizetype i = name.size() - TemporaryLetters; i < name.size(); ++i)
        name[i] = Letters[QRandomGenerator::global()->bounded(int(Letters.size()))];
    return name;
}

// A file this write made: closed, and removed unless committed.
struct Temporary {
    std::wstring name;
    HANDLE file = INVALID_HANDLE_VALUE;
    bool committed = false;

    bool make(const QString& target) {
        for (int attempt = 0; attempt < MaxTemporaryNames; ++attempt) {
            name = native(withLetters(temporaryPattern(target)));
            file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE || !nameTaken(GetLastError()))
                return file != INVALID_HANDLE_VALUE;
        }
        return false;
    }
    bool close() { return CloseHandle(std::exchange(file, INVALID_HANDLE_VALUE)); }
    ~Temporary() {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        if (!name.empty() && !committed)
            DeleteFileW(name.c_str());
    }
};

bool writeAll(HANDLE file, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD count = 0;
        if (!WriteFile(file, bytes.constData() + done, DWORD(bytes.size() - done), &count,
                       nullptr) ||
            count == 0)
            return false;
        done += count;
    }
    return true;
}

// Moves target to name, never over another name.
system::Keeping moved(const QString& target, const QString& name, QString& detail) {
    if (MoveFileExW(native(target).c_str(), native(name).c_str(), MOVEFILE_WRITE_THROUGH))
        return system::Keeping::Kept;
    if (nameTaken(GetLastError()))
        return system::Keeping::NameTaken;
    fail(detail);
    return system::Keeping::Failed;
}

} // namespace

bool replaceContents(const QString& target, const QByteArray& bytes, QString& detail) {
    Temporary temporary;
    if (!temporary.make(target))
        return fail(detail);
    LARGE_INTEGER written{};
    // Each step is checked: a full disk may only show at the write or the flush.
    if (!writeAll(temporary.file, bytes) || !FlushFileBuffers(temporary.file) ||
        !GetFileSizeEx(temporary.file, &written))
        return fail(detail);
    if (written.QuadPart != bytes.size()) {
        detail = QStringLiteral("%1 / %2 bytes").arg(written.QuadPart).arg(bytes.size());
        return false;
    }
    if (!temporary.close() || !MoveFileExW(temporary.name.c_str(), native(target).c_str(),
                                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(detail);
    temporary.committed = true;
    return true;
}

namespace system {

std::optional<bool> keptByMoving(const QString& target, QString& detail) {
    // The attributes of the name itself: a link is moved as a link, never what it points to.
    const DWORD attributes = GetFileAttributesW(native(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        fail(detail);
        return std::nullopt;
    }
    return bool(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

Keeping keepUnder(const QString& target, const QString& name, bool moving, QString& detail) {
    if (moving)
        return moved(target, name, detail);
    if (CreateHardLinkW(native(name).c_str(), native(target).c_str(), nullptr))
        return Keeping::Kept;
    if (nameTaken(GetLastError()))
        return Keeping::NameTaken;
    // No hard links here (FAT, a network share): copy the bytes, never over another name.
    if (CopyFileW(native(target).c_str(), native(name).c_str(), TRUE))
        return Keeping::Kept;
    if (nameTaken(GetLastError()))
        return Keeping::NameTaken;
    fail(detail);
    return Keeping::Failed;
}

void syncFolder(const QString& /*path*/) {
    // MOVEFILE_WRITE_THROUGH and the flushed file already put the new name on the disk.
}

} // namespace system
} // namespace filereplace

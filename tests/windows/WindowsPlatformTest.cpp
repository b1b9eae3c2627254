// The Windows platform against the system itself (Wine's, in the test run): what Windows
// tells, the files it refuses and the ones it replaces whole, the one copy per data folder.
// The power, wallpaper and program-start calls are never made here.
#include "core/BoundedRead.h"
#include "core/DataFile.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Outside code page 932, so only the wide-character calls keep it.
const QString WideName = QStringLiteral("\U00020BB7野家 한국어.wav");
const wchar_t DesktopKey[] = L"Control Panel\\Desktop";
const wchar_t WallpaperValue[] = L"Wallpaper";
constexpr LSTATUS MoreData = 234;

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Sets the wallpaper value for the length of a test, and puts the old one back.
class WallpaperValueScope {
public:
    WallpaperValueScope() {
        RegCreateKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        DWORD bytes = sizeof old_;
        had_ = RegQueryValueExW(key_, WallpaperValue, nullptr, nullptr,
                                reinterpret_cast<BYTE*>(old_), &bytes) == ERROR_SUCCESS;
        oldBytes_ = bytes;
    }
    ~WallpaperValueScope() {
        if (had_)
            RegSetValueExW(key_, WallpaperValue, 0, REG_SZ, reinterpret_cast<BYTE*>(old_),
                           oldBytes_);
        RegCloseKey(key_);
    }
    void set(const std::wstring& text) const {
        RegSetValueExW(key_, WallpaperValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                       DWORD((text.size() + 1) * sizeof(wchar_t)));
    }

private:
    HKEY key_ = nullptr;
    wchar_t old_[1024] = {};
    DWORD oldBytes_ = 0;
    bool had_ = false;
};

} // namespace

TEST(WindowsPlatform, TellsWhatTheSystemTells) {
    const auto platform = createPlatform();
    // Wine takes its figures from the Linux kernel, which the test reads through drive Z.
    QFile meminfo(QStringLiteral("Z:/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        const QByteArray line = meminfo.readLine().simplified(); // "MemTotal: N kB"
        const double total = line.split(' ').value(1).toDouble() * 1024;
        EXPECT_NEAR(double(platform->memoryStatus().totalPhysical), total, total / 100);
    }
    const MemoryStatus memory = platform->memoryStatus();
    EXPECT_GT(memory.availablePhysical, 0u);
    EXPECT_LE(memory.availablePhysical, memory.totalPhysical);
    EXPECT_FALSE(platform->computerName().isEmpty());
    EXPECT_EQ(platform->userName(), qEnvironmentVariable("USERNAME"));
    EXPECT_GE(platform->osVersion().major, 5);
    EXPECT_FALSE(platform->screenSize().isEmpty());
    EXPECT_GT(platform->colourDepth().bitsPerPixel, 0);

    const QStringList drives = platform->drives(QDir::tempPath());
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.first(), QDir::tempPath().left(2).toUpper() + u'/');
    EXPECT_EQ(platform->driveType(drives.first()), DriveType::Fixed);
    const std::optional<DiskSpace> space = platform->diskFreeSpace(drives.first());
    ASSERT_TRUE(space);
    EXPECT_LE(space->free, space->total);
}

TEST(WindowsPlatform, TheWallpaperValueIsReadWideAndCutAtItsFirstNull) {
    const auto platform = createPlatform();
    WallpaperValueScope value;
    const struct {
        std::wstring stored;
        int code;
        QString read;
    } rows[] = {
        {L"C:\\壁紙\\" + WideName.toStdWString(), 0, QStringLiteral("C:\\壁紙\\") + WideName},
        {std::wstring(L"C:\\a.bmp\0C:\\b.bmp", 17), 0, QStringLiteral("C:\\a.bmp")},
        {std::wstring(511, L'x'), 0, QString(511, u'x')},
        {std::wstring(512, L'x'), MoreData, QStringLiteral("unchanged")},
    };
    for (const auto& row : rows) {
        value.set(row.stored);
        QString result = QStringLiteral("unchanged");
        QString failure;
        EXPECT_EQ(platform->currentWallpaper(result, failure), row.code);
        EXPECT_EQ(result, row.read);
        EXPECT_TRUE(failure.isEmpty());
    }
}

TEST(WindowsPlatform, FilesThatAreNoFilesAreRefusedWithoutWaiting) {
    QTemporaryDir dir;
    const HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\morvane-test", PIPE_ACCESS_OUTBOUND,
                                         PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    const struct {
        QString path;
        boundedread::Outcome outcome;
    } rows[] = {
        {QStringLiteral("\\\\.\\pipe\\morvane-test"), boundedread::Outcome::NotRegular},
        {QStringLiteral("NUL"), boundedread::Outcome::NotRegular},
        {dir.path(), boundedread::Outcome::NotRegular},
        {dir.filePath(QStringLiteral("none")), boundedread::Outcome::Missing},
        {dir.filePath(QStringLiteral("none/St.kvi")), boundedread::Outcome::Missing},
    };
    for (const auto& row : rows)
        EXPECT_EQ(boundedread::read(row.path, 1024).outcome, row.outcome) << row.path.toStdString();
    CloseHandle(pipe);

    // CR LF and every byte come back as written: no text mode on the way.
    const QByteArray bytes("0,0,1,\"on\"\r\n\x1a\x82\xa0\r\n", 17);
    write(dir.filePath(WideName), bytes);
    EXPECT_EQ(boundedread::read(dir.filePath(WideName), 1024).bytes, bytes);
    EXPECT_EQ(boundedread::read(dir.filePath(WideName), 16).outcome,
              boundedread::Outcome::TooLarge);
}

TEST(WindowsPlatform, AWriteReplacesTheWholeFileOrLeavesTheOldOneWhereItCannot) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("St.kvi"));
    write(path, "old\r\n");
    EXPECT_TRUE(datafile::writeAtomically(path, "new\r\n").isEmpty());
    EXPECT_EQ(boundedread::read(path, 64).bytes, "new\r\n");

    // Another program holds the file open without letting it be replaced.
    const HANDLE held =
        CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ,
                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(datafile::writeAtomically(path, "lost\r\n").isEmpty());
    CloseHandle(held);
    EXPECT_EQ(boundedread::read(path, 64).bytes, "new\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"St.kvi"});

    // A folder in the file's place is moved aside whole, and a file takes its place.
    const DataFolder data(dir.path());
    QDir().mkpath(data.path(QStringLiteral("fiti.kvi/inside")));
    datafile::restoreDefault(data, QStringLiteral("fiti.kvi"));
    EXPECT_EQ(boundedread::read(data.path(QStringLiteral("fiti.kvi")), 64).bytes,
              datafile::deliveredDefault(QStringLiteral("fiti.kvi")));
    EXPECT_TRUE(QFileInfo::exists(data.path(QStringLiteral("fiti.kvi.bak/inside"))));
}

TEST(WindowsPlatform, OneCopyPerDataFolderHoweverItsPathIsWritten) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Data"));
    QDir().mkpath(folder);
    const auto first = createPlatform();
    ASSERT_TRUE(first->claimSingleInstance(folder));
    EXPECT_FALSE(createPlatform()->claimSingleInstance(folder.toUpper()));
    EXPECT_FALSE(createPlatform()->claimSingleInstance(folder + QStringLiteral("/../Data")));
    EXPECT_TRUE(createPlatform()->claimSingleInstance(dir.path()));
}

TEST(WindowsPlatform, AListingGivesTheAttributesAndNamesOutsideTheCodePage) {
    QTemporaryDir dir;
    write(dir.filePath(WideName), "RIFF");
    write(dir.filePath(QStringLiteral("hidden.txt")), "h");
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    SetFileAttributesW(
        QDir::toNativeSeparators(dir.filePath(QStringLiteral("hidden.txt"))).toStdWString().c_str(),
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    const auto platform = createPlatform();
    const std::optional<QList<DirectoryEntry>> entries = platform->listDirectory(dir.path());
    ASSERT_TRUE(entries);
    QStringList seen;
    for (const DirectoryEntry& entry : *entries)
        seen << QStringLiteral("%1 %2%3%4")
                    .arg(entry.name)
                    .arg(entry.directory)
                    .arg(entry.hidden)
                    .arg(entry.system);
    seen.sort();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("folder 100"), QStringLiteral("hidden.txt 011"),
                                 WideName + QStringLiteral(" 000")}));

    const std::optional<FileProperties> hidden =
        platform->fileProperties(dir.filePath(QStringLiteral("hidden.txt")));
    ASSERT_TRUE(hidden);
    EXPECT_TRUE(hidden->readOnly && hidden->hidden && hidden->system);
    EXPECT_EQ(hidden->size, 1u);
    EXPECT_TRUE(hidden->modified && hidden->modified->isValid());
    EXPECT_EQ(platform->fileProperties(dir.filePath(WideName))->size, 4u);
    EXPECT_FALSE(platform->listDirectory(dir.filePath(QStringLiteral("none"))));
    SetFileAttributesW(
        QDir::toNativeSeparators(dir.filePath(QStringLiteral("hidden.txt"))).toStdWString().c_str(),
        FILE_ATTRIBUTE_NORMAL);
}

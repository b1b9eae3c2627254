// The real platform's read-only operations: each gives a true answer or reports that it
// has none. A stand-in that answered "fine" without doing the work would fail here.
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/statvfs.h>

TEST(Platform, ReadOnlyOperationsAnswerTruthfullyOrReportFailure) {
    const std::unique_ptr<Platform> platform = createPlatform();
    ASSERT_TRUE(platform);

    QTemporaryDir folder;
    QFile(QDir(folder.path()).filePath(QStringLiteral("a.txt"))).open(QIODevice::WriteOnly);
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    if (const auto entries = platform->listDirectory(folder.path())) {
        QStringList names;
        for (const DirectoryEntry& entry : *entries)
            names << entry.name + (entry.directory ? QStringLiteral("/") : QString());
        names.sort();
        EXPECT_EQ(names, (QStringList{QStringLiteral("a.txt"), QStringLiteral("sub/")}));
    }

    if (const auto type = platform->driveType(folder.path())) {
        EXPECT_NE(*type, DriveType::CdRom) << "a writable temporary folder";
    }

    QString wallpaper = QStringLiteral("untouched"), failure;
    if (platform->currentWallpaper(wallpaper, failure) != 0) {
        EXPECT_EQ(wallpaper, QStringLiteral("untouched"));
    }

    const std::optional<DiskSpace> space = platform->diskFreeSpace(folder.path());
    ASSERT_TRUE(space);
    EXPECT_GT(space->total, 0u);
    EXPECT_LE(space->free, space->total);
    EXPECT_FALSE(platform->diskFreeSpace(folder.filePath(QStringLiteral("missing/x"))));
}

TEST(LinuxDrives, TheDataFolderComesFirstAndFiguresMatchStatvfs) {
    const std::unique_ptr<Platform> platform = createPlatform();
    QTemporaryDir folder;
    const QStringList roots = platform->drives(folder.path());
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots.first(), QStorageInfo(folder.path()).rootPath());
    EXPECT_FALSE(roots.contains(QStringLiteral("/proc")));
    EXPECT_FALSE(roots.contains(QStringLiteral("/sys")));
    EXPECT_EQ(roots.count(roots.first()), 1);
    struct statvfs figures {};
    ASSERT_EQ(statvfs("/dev/shm", &figures), 0);
    const std::optional<DiskSpace> shm = platform->diskFreeSpace(QStringLiteral("/dev/shm"));
    ASSERT_TRUE(shm);
    EXPECT_EQ(shm->total, quint64(figures.f_blocks) * figures.f_frsize);
    EXPECT_EQ(platform->driveType(QStringLiteral("/dev/shm")), DriveType::RamDisk);
    EXPECT_EQ(platform->driveType(QStringLiteral("/proc")), DriveType::Unknown);
}

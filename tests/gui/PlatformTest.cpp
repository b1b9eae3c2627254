// The real platform's read-only operations: each gives a true answer or reports that it
// has none. A stand-in that answered "fine" without doing the work would fail here.
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include <sys/stat.h>

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

// The search lists plain files only: each entry's kind must be right without reading it.
TEST(Platform, AFolderListingTellsFoldersHiddenNamesAndOtherKindsApart) {
    const std::unique_ptr<Platform> platform = createPlatform();
    QTemporaryDir folder;
    const QDir dir(folder.path());
    QFile(dir.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral(".dot"))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(dir.mkdir(QStringLiteral("sub")));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))), 0600), 0);
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("sub")), dir.filePath(QStringLiteral("to-sub"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("none")),
                            dir.filePath(QStringLiteral("dangling"))));

    const auto entries = platform->listDirectory(folder.path());
    ASSERT_TRUE(entries);
    QStringList seen;
    for (const DirectoryEntry& entry : *entries)
        seen << QStringLiteral("%1 d%2 h%3 s%4")
                    .arg(entry.name)
                    .arg(entry.directory)
                    .arg(entry.hidden)
                    .arg(entry.system);
    seen.sort();
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral(".dot d0 h1 s0"), QStringLiteral("dangling d0 h0 s1"),
                           QStringLiteral("pipe d0 h0 s1"), QStringLiteral("plain d0 h0 s0"),
                           QStringLiteral("sub d1 h0 s0"), QStringLiteral("to-sub d1 h0 s0")}));
    EXPECT_FALSE(platform->listDirectory(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(platform->listDirectory(dir.filePath(QStringLiteral("plain"))));
    EXPECT_FALSE(platform->fileProperties(dir.filePath(QStringLiteral("missing"))));
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

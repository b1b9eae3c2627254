// The real platform's read-only operations: each gives a true answer or reports that it
// has none. A stand-in that answered "fine" without doing the work would fail here.
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    QString wallpaper;
    if (platform->currentWallpaper(wallpaper) == 0) {
        EXPECT_FALSE(wallpaper.isEmpty());
    } else {
        EXPECT_TRUE(wallpaper.isEmpty());
    }

    const std::optional<DiskSpace> space = platform->diskFreeSpace(folder.path());
    ASSERT_TRUE(space);
    EXPECT_GT(space->total, 0u);
    EXPECT_LE(space->free, space->total);
    EXPECT_FALSE(platform->diskFreeSpace(folder.filePath(QStringLiteral("missing/x"))));
}

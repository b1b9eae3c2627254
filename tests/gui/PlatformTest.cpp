// The real platform's read-only operations: each gives a true answer or reports that it
// has none. A stand-in that answered "fine" without doing the work would fail here.
#include "platform/Platform.h"
#include "Harness.h"
#include "HostileFiles.h"
#include "functionscreen/Form2.h"
#include "functionscreen/WallpaperPage.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/desktop/DesktopEntry.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

enum class Lying { Regular, Fifo, Zero, Sparse };

// At path: a regular file of bytes, a FIFO, a link to /dev/zero, or those bytes followed by
// a hole up to 2 GB.
bool make(Lying kind, const QString& path, const QByteArray& bytes) {
    if (kind == Lying::Fifo)
        return hostile::makeFifo(path);
    if (kind == Lying::Zero)
        return hostile::makeLink(QStringLiteral("/dev/zero"), path);
    hostile::writeAll(path, bytes);
    return kind == Lying::Regular ||
           ::truncate(QFile::encodeName(path).constData(), off_t(2) << 30) == 0;
}

// GIO takes an entry only when its program exists; the tests start none.
QByteArray entry(const QString& icon, const QByteArray& program = "true") {
    return "[Desktop Entry]\nType=Application\nName=T\nExec=" + program +
           "\nIcon=" + QFile::encodeName(icon) + "\n";
}

} // namespace

// A FIFO, a device or a 2 GB file where a desktop entry, its icon, the wallpaper or the
// release file should be: each gives its fallback at once, and nothing waits for a writer.
TEST(HostileOpens, EveryFileOfTheUsersOrTheDesktopsGivesItsFallbackWithoutWaiting) {
    QTemporaryDir folder;
    LinuxPlatform platform;
    const auto icon = [&](const QString& iconPath) {
        const QString path = folder.filePath(QStringLiteral("with-icon.desktop"));
        hostile::writeAll(path, entry(iconPath));
        return platform.fileIcon(path).toImage();
    };
    const QImage noIcon = icon(folder.filePath(QStringLiteral("missing.png")));
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray picture;
    QBuffer buffer(&picture);
    red.save(&buffer, "PNG");
    const struct {
        const char* what;
        QByteArray regular;
        std::function<QString(const QString& path)> outcome;
        QString good, fallback;
    } openings[] = {
        // Outcomes: the icon's name; 1 when started; 1 when the icon or the preview is the
        // empty one; the release's name.
        {"desktop entry", entry(QStringLiteral("theme-icon")), desktopentry::iconName,
         QStringLiteral("theme-icon"), QString()},
        {"desktop entry started", entry({}, "/nonexistent/program"),
         [](const QString& path) { return QString::number(desktopentry::launch(path)); },
         QStringLiteral("0"), QStringLiteral("0")},
        {"entry's icon", picture,
         [&](const QString& path) { return QString::number(icon(path) == noIcon); },
         QStringLiteral("0"), QStringLiteral("1")},
        {"wallpaper preview", picture,
         [](const QString& path) {
             Harness h;
             h.platform.wallpaperCode = 0;
             h.platform.wallpaper = path;
             h.start();
             h.form2().bringToFront(Form2::PageId::Wallpaper);
             h.form2().showPage();
             return QString::number(h.form2().Picture3->Pic->pixmap().isNull());
         },
         QStringLiteral("0"), QStringLiteral("1")},
        {"os-release", "PRETTY_NAME=\"Test OS 1\"\n",
         [](const QString& path) { return LinuxPlatform({path}).osVersion().notes; },
         QStringLiteral("Test OS 1"), QString()},
    };
    int made = 0;
    for (const auto& opening : openings) {
        for (Lying kind : {Lying::Regular, Lying::Fifo, Lying::Zero, Lying::Sparse}) {
            const QString path = folder.filePath(QString::number(++made));
            ASSERT_TRUE(make(kind, path, opening.regular)) << path.toStdString();
            const hostile::FifoRelease release({path}, 5000);
            const QString outcome = opening.outcome(path);
            EXPECT_FALSE(release.fired()) << opening.what << " waited on kind " << int(kind);
            EXPECT_EQ(outcome, kind == Lying::Regular ? opening.good : opening.fallback)
                << opening.what << ", kind " << int(kind);
        }
    }
}

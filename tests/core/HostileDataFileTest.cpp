#include "DataFile.h"
#include "HostileFiles.h"
#include "ScratchMount.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using hostile::readAll;
using hostile::writeAll;

namespace {

constexpr int DeadlineMs = 5000;

QByteArray parseWhole(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n"))
        throw std::runtime_error("short");
    return bytes;
}

struct Install {
    Install() { QDir().mkpath(data.folder()); }
    QString path(const QString& name) const { return data.path(name); }
    QTemporaryDir dir;
    DataFolder data{dir.path()};
};

// Loads fileName within the deadline, so that a file that blocks fails instead of hanging.
datafile::Repair loadInTime(const Install& install, const QString& fileName) {
    datafile::Repair repair;
    const bool returned = hostile::returnsWithin(
        DeadlineMs, [&] { datafile::load<QByteArray>(install.data, fileName, parseWhole, repair); },
        {install.path(fileName)});
    EXPECT_TRUE(returned) << fileName.toStdString() << " blocked the load";
    return repair;
}

} // namespace

TEST(HostileDataFile, WhatIsNoRegularFileOrTooLargeIsNeverReadAndNeverWaitedFor) {
    Install install;
    ASSERT_TRUE(hostile::makeFifo(install.path(QStringLiteral("fifo"))));
    ASSERT_TRUE(
        hostile::makeLink(QStringLiteral("/dev/zero"), install.path(QStringLiteral("zero"))));
    QDir().mkpath(install.path(QStringLiteral("folder")));
    writeAll(install.path(QStringLiteral("big")), QByteArray(2 * datafile::MaxFileBytes, 'x'));
    writeAll(install.path(QStringLiteral("full")), QByteArray(datafile::MaxFileBytes, 'y'));
    for (const char* name : {"fifo", "zero", "folder", "big"}) {
        std::optional<QByteArray> bytes = QByteArray("unset");
        const QString path = install.path(QLatin1String(name));
        EXPECT_TRUE(
            hostile::returnsWithin(DeadlineMs, [&] { bytes = datafile::readBytes(path); }, {path}))
            << name;
        EXPECT_FALSE(bytes.has_value()) << name;
    }
    EXPECT_EQ(datafile::readBytes(install.path(QStringLiteral("full")))->size(),
              datafile::MaxFileBytes);
}

TEST(HostileDataFile, AFifoADeviceLinkOrAFolderIsKeptAsideAndTheDefaultWritten) {
    Install install;
    ASSERT_TRUE(hostile::makeFifo(install.path(datafile::Settings)));
    ASSERT_TRUE(hostile::makeLink(QStringLiteral("/dev/zero"), install.path(datafile::Font)));
    QDir().mkpath(install.path(datafile::Alarms));
    for (const QString& name : {datafile::Settings, datafile::Font, datafile::Alarms}) {
        const datafile::Repair repair = loadInTime(install, name);
        EXPECT_TRUE(repair.writeFailure.isEmpty()) << repair.writeFailure.toStdString();
        EXPECT_TRUE(repair.recovered.contains(name + QStringLiteral(".bak")));
        EXPECT_TRUE(QFileInfo(install.path(name)).isFile()) << name.toStdString();
        EXPECT_FALSE(hostile::isLink(install.path(name))) << name.toStdString();
        EXPECT_EQ(readAll(install.path(name)), datafile::deliveredDefault(name));
    }
    // The new file takes no permissions from the device the link pointed to.
    EXPECT_FALSE(QFileInfo(install.path(datafile::Font)).permissions() & QFile::WriteOther);
    // The link itself was kept; what it points to was never touched.
    EXPECT_EQ(hostile::linkTarget(install.path(QStringLiteral("fot.kvi.bak"))),
              QStringLiteral("/dev/zero"));
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/zero")).exists());
    EXPECT_TRUE(QFileInfo(install.path(QStringLiteral("alarmset.kvi.bak"))).isDir());
}

TEST(HostileDataFile, ATakenBackupNameMovesTheKeptCopyToTheNextFreeName) {
    Install install;
    const QByteArray damaged = QByteArray("\"x\"\r\n").repeated(47).chopped(2);
    writeAll(install.path(datafile::Alarms), damaged);
    QDir().mkpath(install.path(QStringLiteral("alarmset.kvi.bak")));
    writeAll(install.path(QStringLiteral("alarmset.kvi.bak1")), "older");
    const datafile::Repair repair = datafile::restoreDefault(install.data, datafile::Alarms);
    EXPECT_TRUE(repair.writeFailure.isEmpty());
    EXPECT_TRUE(repair.recovered.contains(QStringLiteral("「alarmset.kvi.bak2」")))
        << repair.recovered.toStdString();
    EXPECT_EQ(readAll(install.path(QStringLiteral("alarmset.kvi.bak2"))), damaged);
    EXPECT_EQ(readAll(install.path(QStringLiteral("alarmset.kvi.bak1"))), QByteArray("older"));
    EXPECT_EQ(readAll(install.path(datafile::Alarms)),
              datafile::deliveredDefault(datafile::Alarms));
}

TEST(HostileDataFile, AFullDiskKeepsEveryOldFileAndLeavesNoTemporaryFile) {
    QTemporaryDir install;
    const QString folder = install.filePath(QStringLiteral("Data"));
    const ScratchMount tiny(folder, QStringLiteral("size=64k"));
    if (!tiny.mounted())
        GTEST_SKIP() << "cannot mount a scratch file system here";
    const DataFolder data(install.path());
    writeAll(data.path(datafile::Position), "9000,600\r\n");
    writeAll(data.path(datafile::Settings), "0,0,1\r\n");
    tiny.fill();
    const QStringList before = hostile::namesIn(folder);

    // The write fails with the disk full, and the old bytes stay.
    const QString reason =
        datafile::writeAtomically(data.path(datafile::Position), QByteArray(4096, '1'));
    EXPECT_EQ(reason, QStringLiteral("ディスクの空き容量が足りません。"));
    EXPECT_EQ(readAll(data.path(datafile::Position)), QByteArray("9000,600\r\n"));

    // The repair keeps the damaged file as it was, and says that nothing was written.
    const datafile::Repair repair = datafile::restoreDefault(data, datafile::Settings);
    EXPECT_FALSE(repair.writeFailure.isEmpty());
    EXPECT_FALSE(repair.recovered.contains(QStringLiteral("作り直しました")));
    EXPECT_EQ(readAll(data.path(datafile::Settings)), QByteArray("0,0,1\r\n"));
    EXPECT_EQ(hostile::namesIn(folder), before);
}

TEST(HostileDataFile, WritesGoThroughALinkToItsTargetAndLeaveTheLink) {
    Install install;
    const QString elsewhere = install.dir.filePath(QStringLiteral("synced"));
    QDir().mkpath(elsewhere);
    writeAll(elsewhere + QStringLiteral("/St.kvi"), "old");
    ASSERT_TRUE(
        hostile::makeLink(QStringLiteral("../synced/St.kvi"), install.path(datafile::Settings)));
    EXPECT_TRUE(datafile::writeAtomically(install.path(datafile::Settings), "new").isEmpty());
    EXPECT_TRUE(hostile::isLink(install.path(datafile::Settings)));
    EXPECT_EQ(readAll(elsewhere + QStringLiteral("/St.kvi")), QByteArray("new"));

    // A damaged target is kept by copy or link before the default replaces it.
    const datafile::Repair repair = datafile::restoreDefault(install.data, datafile::Settings);
    EXPECT_TRUE(hostile::isLink(install.path(datafile::Settings)));
    EXPECT_EQ(readAll(elsewhere + QStringLiteral("/St.kvi")),
              datafile::deliveredDefault(datafile::Settings));
    EXPECT_EQ(readAll(install.path(QStringLiteral("St.kvi.bak"))), QByteArray("new"));
    EXPECT_TRUE(repair.recovered.contains(QStringLiteral("St.kvi.bak")));
}

TEST(HostileDataFile, ADanglingLinkCountsAsMissingAndEndsAsAWorkingFile) {
    Install install;
    // Its folder exists: the file is made where the link points, and the link works again.
    ASSERT_TRUE(hostile::makeLink(install.dir.filePath(QStringLiteral("St.kvi")),
                                  install.path(datafile::Settings)));
    datafile::Repair repair = loadInTime(install, datafile::Settings);
    EXPECT_TRUE(repair.writeFailure.isEmpty());
    EXPECT_TRUE(repair.recovered.contains(QStringLiteral("作り直しました")));
    EXPECT_FALSE(repair.recovered.contains(QStringLiteral(".bak")));
    EXPECT_TRUE(hostile::isLink(install.path(datafile::Settings)));
    EXPECT_EQ(readAll(install.path(datafile::Settings)),
              datafile::deliveredDefault(datafile::Settings));

    // Its folder is gone (a synced drive not mounted): the link is kept aside and replaced.
    ASSERT_TRUE(hostile::makeLink(QStringLiteral("/nonexistent/fiti.kvi"),
                                  install.path(datafile::Position)));
    repair = loadInTime(install, datafile::Position);
    EXPECT_TRUE(repair.writeFailure.isEmpty());
    EXPECT_TRUE(repair.recovered.contains(QStringLiteral("fiti.kvi.bak")));
    EXPECT_FALSE(hostile::isLink(install.path(datafile::Position)));
    EXPECT_EQ(readAll(install.path(datafile::Position)),
              datafile::deliveredDefault(datafile::Position));
    EXPECT_EQ(hostile::linkTarget(install.path(QStringLiteral("fiti.kvi.bak"))),
              QStringLiteral("/nonexistent/fiti.kvi"));
}

TEST(HostileDataFile, StaleTemporaryFilesOfTheProgramAreSweptAndNothingElse) {
    Install install;
    const QStringList stale = {QStringLiteral("St.kvi.a1B2c3"), QStringLiteral("fiti.kvi.XyZ123"),
                               QStringLiteral("alarmset.kvi.000000"),
                               QStringLiteral("St.kvi.bakery")};
    const QStringList kept = {QStringLiteral("St.kvi"),           QStringLiteral("St.kvi.bak"),
                              QStringLiteral("St.kvi.bak123"),    QStringLiteral("St.kvi.notes"),
                              QStringLiteral("other.txt.a1B2c3"), QStringLiteral("fot.kvi.a1B2c"),
                              QStringLiteral("St.kvi.a1-2c3"),    QStringLiteral("St.kvi.ａ1B2c3")};
    for (const QString& name : stale + kept)
        writeAll(install.path(name), "x");
    datafile::removeStaleTemporaries(install.data);
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(hostile::namesIn(install.data.folder()), expected);
}

TEST(HostileDataFile, ATargetOnAnotherFileSystemIsKeptByCopy) {
    Install install;
    const QString elsewhere = install.dir.filePath(QStringLiteral("synced"));
    const ScratchMount other(elsewhere, QStringLiteral("size=64k"));
    if (!other.mounted())
        GTEST_SKIP() << "cannot mount a scratch file system here";
    writeAll(elsewhere + QStringLiteral("/fot.kvi"), "\"half");
    ASSERT_TRUE(
        hostile::makeLink(elsewhere + QStringLiteral("/fot.kvi"), install.path(datafile::Font)));
    const datafile::Repair repair = loadInTime(install, datafile::Font);
    EXPECT_TRUE(repair.writeFailure.isEmpty()) << repair.writeFailure.toStdString();
    EXPECT_EQ(readAll(install.path(QStringLiteral("fot.kvi.bak"))), QByteArray("\"half"));
    EXPECT_FALSE(hostile::isLink(install.path(QStringLiteral("fot.kvi.bak"))));
    EXPECT_TRUE(hostile::isLink(install.path(datafile::Font)));
    EXPECT_EQ(readAll(elsewhere + QStringLiteral("/fot.kvi")),
              datafile::deliveredDefault(datafile::Font));
}

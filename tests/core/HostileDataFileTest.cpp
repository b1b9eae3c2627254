#include "HostileFiles.h"
#include "ScratchMount.h"
#include "core/DataFile.h"

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
}

TEST(HostileDataFile, ALinkToAnotherKindOfFileIsKeptAsideAndItsTargetNeverWritten) {
    Install install;
    const QString elsewhere = install.dir.filePath(QStringLiteral("users"));
    QDir().mkpath(elsewhere);
    const QByteArray passwd = "root:x:0:0:root:/root:/bin/bash\nuser:x:1000:1000::/home/user:\n";
    const QByteArray csv = "1,2,3\r\n4,5,6\r\n";
    writeAll(elsewhere + QStringLiteral("/passwd"), passwd);
    writeAll(elsewhere + QStringLiteral("/table.csv"), csv);
    ASSERT_TRUE(
        hostile::makeLink(QStringLiteral("../users/passwd"), install.path(datafile::Settings)));
    ASSERT_TRUE(hostile::makeLink(elsewhere + QStringLiteral("/table.csv"),
                                  install.path(datafile::Position)));

    // A repair of the damaged settings, and a write of the place at exit.
    const datafile::Repair repair = loadInTime(install, datafile::Settings);
    EXPECT_TRUE(repair.writeFailure.isEmpty()) << repair.writeFailure.toStdString();
    EXPECT_TRUE(repair.recovered.contains(QStringLiteral("St.kvi.bak")));
    EXPECT_TRUE(
        datafile::writeAtomically(install.path(datafile::Position), "9000,600\r\n").isEmpty());

    EXPECT_EQ(readAll(elsewhere + QStringLiteral("/passwd")), passwd);
    EXPECT_EQ(readAll(elsewhere + QStringLiteral("/table.csv")), csv);
    for (const QString& name : {datafile::Settings, datafile::Position}) {
        EXPECT_FALSE(hostile::isLink(install.path(name))) << name.toStdString();
        EXPECT_TRUE(hostile::isLink(install.path(name + QStringLiteral(".bak"))));
    }
    EXPECT_EQ(hostile::linkTarget(install.path(QStringLiteral("St.kvi.bak"))),
              QStringLiteral("../users/passwd"));
    EXPECT_EQ(readAll(install.path(datafile::Position)), QByteArray("9000,600\r\n"));
}

TEST(HostileDataFile, ADanglingLinkCountsAsMissingAndIsKeptAsideForAWorkingFile) {
    Install install;
    // Whether its folder is there or gone (a synced drive not mounted), the repair writes
    // a file of its own and keeps the link as it was.
    ASSERT_TRUE(hostile::makeLink(install.dir.filePath(QStringLiteral("St.kvi")),
                                  install.path(datafile::Settings)));
    ASSERT_TRUE(hostile::makeLink(QStringLiteral("/nonexistent/fiti.kvi"),
                                  install.path(datafile::Position)));
    for (const QString& name : {datafile::Settings, datafile::Position}) {
        const QString link = hostile::linkTarget(install.path(name));
        const datafile::Repair repair = loadInTime(install, name);
        EXPECT_TRUE(repair.writeFailure.isEmpty());
        EXPECT_TRUE(repair.recovered.contains(name + QStringLiteral(".bak")));
        EXPECT_FALSE(hostile::isLink(install.path(name)));
        EXPECT_EQ(readAll(install.path(name)), datafile::deliveredDefault(name));
        EXPECT_EQ(hostile::linkTarget(install.path(name + QStringLiteral(".bak"))), link);
    }
    EXPECT_FALSE(QFileInfo::exists(install.dir.filePath(QStringLiteral("St.kvi"))));
}

TEST(HostileDataFile, StaleTemporaryFilesOfTheProgramAreSweptAndNothingElse) {
    Install install;
    const QStringList stale = {QStringLiteral(".St.kvi.morvane-a1B2c3"),
                               QStringLiteral(".fiti.kvi.morvane-XyZ123"),
                               QStringLiteral(".alarmset.kvi.morvane-000000")};
    // A user's own copies beside the originals, whatever their names, are never taken.
    const QStringList kept = {QStringLiteral("St.kvi"),
                              QStringLiteral("St.kvi.bak"),
                              QStringLiteral("St.kvi.bak3"),
                              QStringLiteral("St.kvi.backup"),
                              QStringLiteral("St.kvi.old123"),
                              QStringLiteral("alarmset.kvi.saved1"),
                              QStringLiteral("fot.kvi.orig99"),
                              QStringLiteral("St.kvi.a1B2c3"),
                              QStringLiteral(".St.kvi.morvane-a1B2c"),
                              QStringLiteral(".other.txt.morvane-a1B2c3"),
                              QStringLiteral(".St.kvi.morvane-a1-2c3"),
                              QStringLiteral(".St.kvi.morvane-ａ1B2c3")};
    for (const QString& name : stale + kept)
        writeAll(install.path(name), "x");
    datafile::removeStaleTemporaries(install.data);
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(hostile::namesIn(install.data.folder()), expected);
}

TEST(HostileDataFile, ALinkToAnotherFileSystemIsKeptAsALinkAndItsTargetLeftAlone) {
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
    EXPECT_TRUE(hostile::isLink(install.path(QStringLiteral("fot.kvi.bak"))));
    EXPECT_FALSE(hostile::isLink(install.path(datafile::Font)));
    EXPECT_EQ(readAll(elsewhere + QStringLiteral("/fot.kvi")), QByteArray("\"half"));
}

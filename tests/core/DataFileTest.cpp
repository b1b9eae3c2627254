#include "core/DataFile.h"
#include "ScratchMount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray parseWhole(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n"))
        throw std::runtime_error("short");
    return bytes;
}

} // namespace

TEST(DataFile, AMissingFileStartsFromTheDeliveredDefault) {
    QTemporaryDir install;
    const DataFolder data(install.path());
    datafile::Repair repair;
    const QByteArray value =
        datafile::load<QByteArray>(data, datafile::Settings, parseWhole, repair);
    EXPECT_EQ(value, datafile::deliveredDefault(datafile::Settings));
    EXPECT_EQ(readAll(data.path(datafile::Settings)), value);
    EXPECT_TRUE(repair.recovered.contains(datafile::Settings));
    EXPECT_TRUE(repair.writeFailure.isEmpty());
}

TEST(DataFile, ADamagedFileIsKeptAsBak) {
    QTemporaryDir install;
    const DataFolder data(install.path());
    QDir().mkpath(data.folder());
    writeAll(data.path(datafile::Font), "\"half");
    datafile::Repair repair;
    datafile::load<QByteArray>(data, datafile::Font, parseWhole, repair);
    EXPECT_EQ(readAll(data.path(datafile::Font + QStringLiteral(".bak"))), QByteArray("\"half"));
    EXPECT_EQ(readAll(data.path(datafile::Font)), datafile::deliveredDefault(datafile::Font));
    EXPECT_TRUE(repair.recovered.contains(QStringLiteral("fot.kvi.bak")));
}

TEST(DataFile, AGoodFileIsLeftAlone) {
    QTemporaryDir install;
    const DataFolder data(install.path());
    QDir().mkpath(data.folder());
    writeAll(data.path(datafile::Position), "1,2\r\n");
    datafile::Repair repair;
    EXPECT_EQ(datafile::load<QByteArray>(data, datafile::Position, parseWhole, repair), "1,2\r\n");
    EXPECT_FALSE(repair.happened());
}

TEST(DataFile, AReadOnlyFolderOrAFullDiskFailsWithAReasonAndKeepsTheFile) {
    QTemporaryDir install;
    const QString folder = install.filePath(QStringLiteral("Data"));
    {
        const ScratchMount readOnly(folder, QStringLiteral("ro,size=64k"));
        if (!readOnly.mounted())
            GTEST_SKIP() << "cannot mount a scratch file system here";
        const QString reason = datafile::writeAtomically(folder + QStringLiteral("/St.kvi"), "new");
        EXPECT_TRUE(reason.contains(QStringLiteral("権限")) ||
                    reason.contains(QStringLiteral("読み取り専用")))
            << reason.toStdString();
    }
    const ScratchMount tiny(folder, QStringLiteral("size=64k"));
    const QString path = folder + QStringLiteral("/alarmset.kvi");
    writeAll(path, "old");
    tiny.fill();
    const QString reason = datafile::writeAtomically(path, QByteArray(32768, 'n'));
    EXPECT_EQ(reason, QStringLiteral("ディスクの空き容量が足りません。"));
    EXPECT_EQ(readAll(path), QByteArray("old"));
}

TEST(DataFile, AReadOnlyFileIsNotReplaced) {
    QTemporaryDir install;
    const QString path = install.filePath(QStringLiteral("St.kvi"));
    writeAll(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    const QString reason = datafile::writeAtomically(path, "new");
    EXPECT_EQ(reason, QStringLiteral("ファイルが読み取り専用です。"));
    EXPECT_EQ(readAll(path), QByteArray("old"));
}

TEST(DataFile, AMissingFolderIsNamedInTheReason) {
    QTemporaryDir install;
    const QString path = install.filePath(QStringLiteral("gone/St.kvi"));
    const QString reason = datafile::writeAtomically(path, "new");
    EXPECT_TRUE(reason.contains(QStringLiteral("gone"))) << reason.toStdString();
}

#include "core/LauncherFiles.h"
#include "Harness.h"
#include "core/RecordFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace launcherfile;

namespace {

QList<Slot> emptySlots() {
    return QList<Slot>(SlotCount, Slot{QString(), NewShortcutName});
}

QByteArray written(const QList<Slot>& entries) {
    const std::optional<QByteArray> bytes = writeSlots(entries);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or(QByteArray());
}

QString makeFile(const QTemporaryDir& dir, const QString& name, QFile::Permissions permissions) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(permissions);
    return path;
}

} // namespace

TEST(LauncherFiles, CommasJapaneseAndEmptyNamesRoundTripAndExtraRecordsAreDropped) {
    QList<Slot> entries = emptySlots();
    entries[0] = {QStringLiteral("/opt/my tools/run,fast"), QStringLiteral("速い, 実行")};
    entries[7] = {QStringLiteral("C:\\TOOLS\\APP.EXE"), QString()};
    entries[29] = {QStringLiteral("/usr/bin/xterm"), QStringLiteral("端末")};
    const QByteArray bytes = written(entries);
    EXPECT_TRUE(bytes.startsWith(
        cp932Lines({QStringLiteral("\"/opt/my tools/run,fast\",\"速い, 実行\"")})));
    EXPECT_TRUE(bytes.contains("\"C:\\TOOLS\\APP.EXE\",\"\"\r\n"));
    EXPECT_EQ(parseSlots(bytes + "\"extra\",\"record\"\r\n"), entries);
    EXPECT_EQ(written(parseSlots(bytes + "\"extra\",\"record\"\r\n")), bytes);

    const QStringList folders = {QStringLiteral("仕事, 毎日"), QString(), QStringLiteral("   "),
                                 QStringLiteral("ゲーム"), QStringLiteral("フォルダ５")};
    const std::optional<QByteArray> folderBytes = writeFolders(folders);
    ASSERT_TRUE(folderBytes.has_value());
    EXPECT_EQ(folderBytes->count("\r\n"), FolderCount);
    EXPECT_EQ(parseFolders(*folderBytes + "\"six\"\r\n"), folders);
}

TEST(LauncherFiles, ShortFilesAreDamage) {
    EXPECT_THROW(parseFolders(cp932Lines({QStringLiteral("\"a\""), QStringLiteral("\"b\"")})),
                 record::FormatError);
    const QByteArray slots29 = written(emptySlots().mid(1));
    EXPECT_THROW(parseSlots(slots29), record::FormatError);
    EXPECT_THROW(parseSlots(QByteArray()), record::FormatError);
}

TEST(LauncherFiles, ChangingOneSlotKeepsTheOther29RecordsByteForByte) {
    QList<Slot> entries = emptySlots();
    for (int n = 0; n < SlotCount; n += 3)
        entries[n] = {QStringLiteral("/bin/prog%1").arg(n), QStringLiteral("名前%1").arg(n)};
    const QList<QByteArray> before = written(entries).split('\n');
    entries[13] = {QStringLiteral("/usr/bin/env"), QStringLiteral("変更")};
    const QList<QByteArray> after = written(entries).split('\n');
    ASSERT_EQ(before.size(), after.size());
    for (int n = 0; n < SlotCount; ++n) {
        if (n != 13) {
            EXPECT_EQ(before[n], after[n]) << n;
        }
    }
    EXPECT_NE(before[13], after[13]);
}

TEST(LauncherFiles, NamesTheFileCannotHoldAreRefusedWithAReason) {
    QList<Slot> entries = emptySlots();
    entries[4].name = QStringLiteral("say \"hi\"");
    QString problem;
    EXPECT_FALSE(writeSlots(entries, &problem).has_value());
    EXPECT_TRUE(problem.contains(u'"'));
    QStringList folders(FolderCount, QStringLiteral("x"));
    folders[2] = QStringLiteral("emoji 😀");
    EXPECT_FALSE(writeFolders(folders, &problem).has_value());
    EXPECT_FALSE(problem.isEmpty());
}

TEST(LauncherFiles, SlotsMapToFolderAndPositionBothWays) {
    EXPECT_EQ(folderOf(0), 1);
    EXPECT_EQ(folderOf(5), 1);
    EXPECT_EQ(folderOf(6), 2);
    EXPECT_EQ(folderOf(29), 5);
    EXPECT_EQ(positionOf(17), 5);
    EXPECT_EQ(positionOf(18), 0);
    for (int n = 0; n < SlotCount; ++n)
        EXPECT_EQ(slotAt(folderOf(n), positionOf(n)), n);
}

TEST(LauncherFiles, ProgramsAreTheClassicEndingsExecutablesAndDesktopEntries) {
    EXPECT_TRUE(acceptedTarget(QStringLiteral("C:\\TOOLS\\APP.EXE")));
    EXPECT_TRUE(acceptedTarget(QStringLiteral("C:\\tools\\app.exe")));
    EXPECT_TRUE(acceptedTarget(QStringLiteral("notepadexe")));
    EXPECT_FALSE(acceptedTarget(QStringLiteral("C:\\tools\\app.Exe")));
    EXPECT_FALSE(acceptedTarget(QStringLiteral("実行ファイル(exe)を選択してください。")));
    EXPECT_FALSE(acceptedTarget(QString()));

    QTemporaryDir dir;
    // Executable by its permission on Linux, by its ending on Windows.
    const QString script = makeFile(dir, QStringLiteral("run me.cmd"),
                                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString text =
        makeFile(dir, QStringLiteral("notes"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(acceptedTarget(script));
    EXPECT_FALSE(acceptedTarget(text));
    EXPECT_FALSE(acceptedTarget(dir.path()));
    EXPECT_TRUE(acceptedTarget(QStringLiteral("/usr/share/applications/xterm.desktop")));
}

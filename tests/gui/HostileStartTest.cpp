#include "Harness.h"
#include "HostileFiles.h"
#include "ScratchMount.h"
#include "core/DataFile.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/SettingsPage.h"
#include "platform/Platform.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList StartFiles = {datafile::Settings, datafile::Position, datafile::Font,
                                datafile::Alarms};
const QByteArray DamagedSettings = "0,0,1\r\n";
// Without the logo, which would hold each start for seconds.
const QByteArray QuickSettings = "0,0,1,\"off\",12,0,0,0,1\r\n";

QStringList shownTexts() {
    QStringList texts;
    for (const dialogs::script::Shown& shown : dialogs::script::shown())
        texts << shown.text;
    return texts;
}

// Every name in the data folder with its bytes, links and folders by what they are.
QMap<QString, QByteArray> snapshot(const Harness& h) {
    QMap<QString, QByteArray> files;
    for (const QString& name : hostile::namesIn(h.data.folder())) {
        const QString path = h.dataPath(name);
        files[name] = hostile::isLink(path)      ? "link " + hostile::linkTarget(path).toUtf8()
                      : QFileInfo(path).isFile() ? hostile::readAll(path)
                                                 : QByteArray("other");
    }
    return files;
}

} // namespace

TEST(HostileStart, FifosInPlaceOfEveryFileStartTheClockWithOneMessage) {
    Harness h;
    QStringList fifos;
    for (const QString& name : StartFiles) {
        h.removeFile(name);
        ASSERT_TRUE(hostile::makeFifo(h.dataPath(name)));
        fifos << h.dataPath(name);
    }
    const hostile::FifoRelease release(fifos, 10000);
    dialogs::script::push(dialogs::Answer::Ok);
    Form1& f = h.start();
    EXPECT_FALSE(release.fired()) << "the start waited on a FIFO";
    ASSERT_EQ(dialogs::script::shown().size(), 1);
    for (const QString& name : StartFiles) {
        EXPECT_TRUE(shownTexts()[0].contains(name + QStringLiteral(".bak"))) << name.toStdString();
        EXPECT_EQ(h.file(name), datafile::deliveredDefault(name)) << name.toStdString();
    }
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(h.form2().Picture4->entries().size(), 48);
}

TEST(HostileStart, ACopyThatWillBeRefusedWritesNothingAndIsRefusedAfterShowing) {
    Harness h;
    h.setFile(datafile::Settings, DamagedSettings);
    h.setFile(datafile::Position, "9007,601\r\n");
    hostile::writeAll(h.dataPath(QStringLiteral(".St.kvi.morvane-Ab12Cd")),
                      "the running copy's write");
    const QMap<QString, QByteArray> before = snapshot(h);
    h.platform.firstInstance = false;
    dialogs::script::push(dialogs::Answer::Ok);
    Form1& f = h.start();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("モルベーンはすでに開かれています。")});
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(h.ended, 1);
    EXPECT_EQ(snapshot(h), before);
}

TEST(HostileStart, ADamagedFileOnAFullDiskStaysAsItWasWithOneMessage) {
    Harness h;
    const QMap<QString, QByteArray> delivered = snapshot(h);
    const ScratchMount tiny(h.data.folder(), QStringLiteral("size=64k"));
    if (!tiny.mounted())
        GTEST_SKIP() << "cannot mount a scratch file system here";
    for (auto file = delivered.begin(); file != delivered.end(); ++file)
        hostile::writeAll(h.dataPath(file.key()), file.value());
    h.setFile(datafile::Settings, DamagedSettings);
    tiny.fill();
    dialogs::script::push(dialogs::Answer::Ok);
    h.start();
    ASSERT_EQ(dialogs::script::shown().size(), 1);
    EXPECT_TRUE(shownTexts()[0].contains(QStringLiteral("ディスクの空き容量が足りません")));
    EXPECT_FALSE(shownTexts()[0].contains(QStringLiteral("作り直しました")));
    EXPECT_EQ(h.file(datafile::Settings), DamagedSettings);
}

TEST(HostileStart, TheFirstCopySweepsWhatKilledWritesLeftBehind) {
    Harness h;
    h.setFile(datafile::Settings, QuickSettings);
    hostile::writeAll(h.dataPath(QStringLiteral(".St.kvi.morvane-Ab12Cd")), "half a write");
    hostile::writeAll(h.dataPath(QStringLiteral("St.kvi.bak")), "kept");
    hostile::writeAll(h.dataPath(QStringLiteral("St.kvi.backup")), "the user's own");
    h.start();
    EXPECT_FALSE(QFileInfo::exists(h.dataPath(QStringLiteral(".St.kvi.morvane-Ab12Cd"))));
    EXPECT_TRUE(QFileInfo::exists(h.dataPath(QStringLiteral("St.kvi.bak"))));
    EXPECT_TRUE(QFileInfo::exists(h.dataPath(QStringLiteral("St.kvi.backup"))));
}

TEST(HostileStart, ADanglingLinkAsSettingsGivesOneMessageAndAFileThatWorks) {
    Harness h;
    h.removeFile(datafile::Settings);
    ASSERT_TRUE(hostile::makeLink(h.folder.filePath(QStringLiteral("gone/St.kvi")),
                                  h.dataPath(datafile::Settings)));
    dialogs::script::push(dialogs::Answer::Ok);
    h.start();
    ASSERT_EQ(dialogs::script::shown().size(), 1);
    EXPECT_TRUE(shownTexts()[0].contains(QStringLiteral("作り直しました")));
    EXPECT_EQ(h.file(datafile::Settings), datafile::deliveredDefault(datafile::Settings));
    // Later saves go through without a message.
    built(h.form2().Picture7).Check6->toggle();
    EXPECT_EQ(dialogs::script::shown().size(), 1);
    EXPECT_NE(h.file(datafile::Settings), datafile::deliveredDefault(datafile::Settings));
}

TEST(HostileStart, PositionsBeyondThirtyTwoBitsAreDamageAndAnUnseenWindowComesBack) {
    for (const char* stored : {"2147483648,600", "1099511627776,600", "1e38,1e38"}) {
        Harness h;
        h.setFile(datafile::Settings, QuickSettings);
        h.setFile(datafile::Position, QByteArray(stored) + "\r\n");
        dialogs::script::push(dialogs::Answer::Ok);
        Form1& f = h.start();
        ASSERT_EQ(dialogs::script::shown().size(), 1) << stored;
        EXPECT_TRUE(shownTexts()[0].contains(datafile::Position)) << stored;
        EXPECT_EQ(f.pos(), QPoint(600, 40)) << stored;
        f.endProgram();
        EXPECT_EQ(h.file(datafile::Position), QByteArray("9000,600\r\n")) << stored;
    }
    // Wholly outside every screen, as when a second screen has been unplugged.
    Harness h;
    h.setFile(datafile::Settings, QuickSettings);
    h.setFile(datafile::Position, "-999999,600\r\n");
    Form1& f = h.start();
    EXPECT_EQ(f.pos(), QPoint(600, 40));
    f.endProgram();
    EXPECT_EQ(h.file(datafile::Position), QByteArray("9000,600\r\n"));
}

TEST(HostileStart, APositionInUseIsWrittenBackAsItWasRead) {
    Harness h;
    h.setFile(datafile::Settings, QuickSettings);
    h.platform.screens = {{-70000, 0, 71280, 1024}};
    h.setFile(datafile::Position, "-999999,601\r\n");
    Form1& f = h.start();
    EXPECT_EQ(f.pos(), QPoint(-66667, 40));
    f.endProgram();
    EXPECT_EQ(h.file(datafile::Position), QByteArray("-999999,601\r\n"));
    // Once the window has moved, its new place is what is in use.
    f.move(10, 20);
    f.endProgram();
    EXPECT_EQ(h.file(datafile::Position), QByteArray("150,300\r\n"));
}

TEST(SingleInstance, TheLockFollowsTheDataFolderThroughALink) {
    QTemporaryDir install;
    QDir().mkpath(install.filePath(QStringLiteral("real/Data")));
    ASSERT_TRUE(hostile::makeLink(install.filePath(QStringLiteral("real")),
                                  install.filePath(QStringLiteral("linked"))));
    const auto first = createPlatform();
    const auto second = createPlatform();
    const auto elsewhere = createPlatform();
    EXPECT_TRUE(first->claimSingleInstance(install.filePath(QStringLiteral("real/Data"))));
    EXPECT_FALSE(second->claimSingleInstance(install.filePath(QStringLiteral("linked/Data"))));
    EXPECT_FALSE(second->claimSingleInstance(install.filePath(QStringLiteral("real/./Data"))));
    EXPECT_TRUE(elsewhere->claimSingleInstance(install.filePath(QStringLiteral("other/Data"))));
}

TEST(SingleInstance, ALockThatCannotBeOpenedStillStartsTheProgram) {
    QTemporaryDir runtime;
    QTemporaryDir install;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString data = install.filePath(QStringLiteral("Data"));
    {
        const auto first = createPlatform();
        ASSERT_TRUE(first->claimSingleInstance(data));
    }
    // Where the lock file stood now stands what no one can lock: a folder, then a link.
    const QString lock = QDir(runtime.path()).filePath(hostile::namesIn(runtime.path()).value(0));
    ASSERT_TRUE(QFile::remove(lock));
    ASSERT_TRUE(QDir().mkdir(lock));
    EXPECT_TRUE(createPlatform()->claimSingleInstance(data));
    ASSERT_TRUE(QDir().rmdir(lock));
    ASSERT_TRUE(hostile::makeLink(QStringLiteral("/nonexistent"), lock));
    EXPECT_TRUE(createPlatform()->claimSingleInstance(data));
    qputenv("XDG_RUNTIME_DIR", saved);
}

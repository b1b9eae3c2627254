#include "Harness.h"
#include "Installation.h"
#include "Polling.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString ClockTitle = QStringLiteral("^Morvane3\\.1$");
const QString LauncherTitle = QStringLiteral("^簡易ランチャー$");
// The launcher picture on the clock window, and the first slot's button in the launcher.
const QPoint LauncherPicture(160, 41);
const QPoint FirstSlotButton(32, 57);
const QPoint FirstSettingsButton(83, 64);
const QString EditorTitle = QStringLiteral("^モルベーン$");

void clickAt(const VirtualDisplay& display, QPoint point) {
    xdotool(display, {QStringLiteral("mousemove"), QString::number(point.x()),
                      QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// A script in a folder whose name has a space; it leaves a mark when it runs.
QString writeScript(const QString& folder, const QString& mark) {
    const QString dir = QDir(folder).filePath(QStringLiteral("my tools"));
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QStringLiteral("leave mark.sh"));
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$0\" > '" + mark.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(LauncherE2E, EscapeLeavesTheEditorAndASlotThenRunsItsScriptAndClosesTheLauncher) {
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    Installation install;
    install.setFile(QStringLiteral("St.kvi"),
                    cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    const QString mark = QDir(install.folder()).filePath(QStringLiteral("ran"));
    const QString script = writeScript(install.folder(), mark);
    QStringList records(30, QStringLiteral("\"\",\"新しいショートカット\""));
    records[0] = QStringLiteral("\"%1\",\"印\"").arg(script);
    install.setFile(QStringLiteral("Shtcut.kvi"), cp932Lines(records));
    const QByteArray before = install.file(QStringLiteral("Shtcut.kvi"));

    const auto program = install.start(display);
    const QStringList clocks = waitForWindows(display, ClockTitle, 20000, program->processId());
    ASSERT_EQ(clocks.size(), 1);
    clickAt(display, windowGeometry(display, clocks[0]).topLeft() + LauncherPicture);
    const QStringList launchers =
        waitForWindows(display, LauncherTitle, 20000, program->processId());
    ASSERT_FALSE(launchers.isEmpty());
    // The picture's tooltip carries the same words; the launcher is the larger window.
    QRect launcher;
    for (const QString& window : launchers) {
        const QRect place = windowGeometry(display, window);
        if (place.width() > launcher.width())
            launcher = place;
    }
    // Escape leaves the editor, and the launcher takes clicks again.
    clickAt(display, launcher.topLeft() + FirstSettingsButton);
    const QStringList editors = waitForWindows(display, EditorTitle, 20000, program->processId());
    ASSERT_FALSE(editors.isEmpty());
    // The editor takes the keyboard once the window system has shown it.
    QString editor;
    ASSERT_TRUE(eventually(
        [&] {
            editor = xdotool(display, {QStringLiteral("getwindowfocus")});
            return editors.contains(editor);
        },
        "the editor to take the keyboard"));
    xdotool(display, {QStringLiteral("key"), QStringLiteral("Escape")});
    ASSERT_TRUE(eventually(
        [&] {
            return !waitForWindows(display, EditorTitle, 100, program->processId())
                        .contains(editor);
        },
        "the editor to close"));
    clickAt(display, launcher.topLeft() + FirstSlotButton);

    ASSERT_TRUE(eventually([&] { return QFile::exists(mark); }, "the script to run"));
    QFile ran(mark);
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(ran.readAll().trimmed(), script.toUtf8());
    EXPECT_TRUE(eventually(
        [&] {
            for (const QString& window :
                 waitForWindows(display, LauncherTitle, 100, program->processId())) {
                if (windowGeometry(display, window) == launcher)
                    return false;
            }
            return true;
        },
        "the launcher to close"));
    EXPECT_EQ(program->state(), QProcess::Running);
    EXPECT_EQ(install.file(QStringLiteral("Shtcut.kvi")), before);
    program->kill();
    program->waitForFinished();
}

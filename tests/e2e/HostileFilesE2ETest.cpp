#include "HostileFiles.h"
#include "Installation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString ClockTitle = QStringLiteral("^Morvane3\\.1$");
const QSize ClockSize(251, 69);
constexpr int WaitMs = 20000;
constexpr int PollMs = 100;
constexpr int AnswerPauseMs = 300;

// Answers the program's message box with Return until done: the box is any window of the
// program that is not the clock (the logo before it takes the key in vain, harmlessly).
bool answerMessageUntil(const VirtualDisplay& display, qint64 pid,
                        const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < WaitMs) {
        for (const QString& window : waitForWindows(display, ClockTitle, PollMs, pid)) {
            if (windowGeometry(display, window).size() != ClockSize) {
                xdotool(display, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
                xdotool(display, {QStringLiteral("key"), QStringLiteral("Return")});
            }
        }
        QThread::msleep(AnswerPauseMs);
    }
    return done();
}

bool clockShown(const VirtualDisplay& display, qint64 pid) {
    for (const QString& window : waitForWindows(display, ClockTitle, PollMs, pid)) {
        if (windowGeometry(display, window) == QRect(QPoint(600, 40), ClockSize))
            return true;
    }
    return false;
}

QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : hostile::namesIn(folder))
        files[name] = hostile::readAll(QDir(folder).filePath(name));
    return files;
}

} // namespace

TEST(HostileFilesE2E, FifosInPlaceOfTheDataFilesNeitherHangNorStopTheStart) {
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    Installation install;
    for (const char* name : {"St.kvi", "fiti.kvi", "fot.kvi", "alarmset.kvi"}) {
        QFile::remove(install.dataPath(QLatin1String(name)));
        ASSERT_TRUE(hostile::makeFifo(install.dataPath(QLatin1String(name))));
    }
    const auto program = install.start(display);
    const qint64 pid = program->processId();
    EXPECT_TRUE(answerMessageUntil(display, pid, [&] { return clockShown(display, pid); }))
        << "no clock within " << WaitMs << " ms: the start hangs";
    EXPECT_TRUE(QFileInfo(install.dataPath(QStringLiteral("St.kvi"))).isFile());
    program->kill();
    program->waitForFinished();
}

TEST(HostileFilesE2E, ACopyThroughALinkedDataFolderIsRefusedAndTouchesNothing) {
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    Installation first;
    first.setFile(QStringLiteral("St.kvi"), "0,0,1,\"off\",12,0,0,0,1\r\n");
    const auto running = first.start(display);
    ASSERT_FALSE(waitForWindows(display, ClockTitle, WaitMs, running->processId()).isEmpty());

    Installation second;
    const QString linked = QDir(second.folder()).filePath(QStringLiteral("Data"));
    ASSERT_TRUE(QDir(linked).removeRecursively());
    ASSERT_TRUE(hostile::makeLink(QDir(first.folder()).filePath(QStringLiteral("Data")), linked));
    // A damaged file that the refused copy must not repair under the running one.
    first.setFile(QStringLiteral("St.kvi"), "0,0,1\r\n");
    const QMap<QString, QByteArray> before = contents(linked);

    const auto refused = second.start(display);
    ASSERT_TRUE(answerMessageUntil(display, refused->processId(), [&] {
        return refused->state() == QProcess::NotRunning || refused->waitForFinished(0);
    }));
    EXPECT_EQ(refused->exitCode(), 0);
    EXPECT_EQ(running->state(), QProcess::Running);
    EXPECT_EQ(contents(linked), before);
    running->kill();
    running->waitForFinished();
}

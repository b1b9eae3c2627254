// The Windows build's unpacked folder, run under Wine on a virtual display and driven as a
// user drives it. windows.sh names the folder; without it there is nothing to test.
#include "Harness.h"
#include "Installation.h"
#include "Polling.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString ClockTitle = QStringLiteral("^Morvane3\\.1$");
const QSize ClockSize(251, 69);
constexpr int StartMs = 60000; // Wine's first start of a prefix is slow
constexpr int LoopStartMs = 700;

class WindowsE2E : public testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("MORVANE_WINDOWS_FOLDER"))
            GTEST_SKIP() << "MORVANE_WINDOWS_FOLDER names no Windows build (windows.sh test)";
        install = std::make_unique<Installation>(qEnvironmentVariable("MORVANE_WINDOWS_FOLDER"));
        install->setFile(QStringLiteral("St.kvi"),
                         cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        ASSERT_TRUE(display.ok());
    }

    // The program's windows that are not the clock: its message boxes.
    QStringList boxes() const {
        QStringList found;
        for (const QString& window : waitForWindows(display, ClockTitle, StartMs)) {
            if (windowGeometry(display, window).size() != ClockSize)
                found << window;
        }
        return found;
    }

    void answer(const QString& box) const {
        xdotool(display, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), box});
        xdotool(display, {QStringLiteral("key"), QStringLiteral("Return")});
    }

    VirtualDisplay display;
    std::unique_ptr<Installation> install;
};

} // namespace

TEST_F(WindowsE2E, StartsAtItsPlaceRefusesASecondCopyAndStoresADragAndTheExit) {
    const auto first = install->start(display);
    const QStringList clock = waitForWindows(display, ClockTitle, StartMs);
    ASSERT_EQ(clock.size(), 1);
    EXPECT_EQ(windowGeometry(display, clock[0]), QRect(QPoint(600, 40), ClockSize));

    const auto second = install->start(display);
    QStringList refusal;
    ASSERT_TRUE(eventually([&] { return !(refusal = boxes()).isEmpty(); }, "the refusal"));
    answer(refusal[0]);
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(first->state(), QProcess::Running);

    xdotool(display, {QStringLiteral("mousemove"), QStringLiteral("700"), QStringLiteral("46"),
                      QStringLiteral("mousedown"), QStringLiteral("1")});
    // Wine's move loop starts from where the pointer is when the loop runs, not from the
    // press: a user's hand rests that long after a press, a script must wait for it.
    QThread::msleep(LoopStartMs);
    for (int step = 1; step <= 10; ++step)
        xdotool(display, {QStringLiteral("mousemove"), QString::number(700 + 10 * step),
                          QString::number(46 + 10 * step)});
    xdotool(display, {QStringLiteral("mouseup"), QStringLiteral("1")});
    // Even so the loop may start a step of the mouse late: what counts is that the place
    // stored is where the window rests.
    QPoint rest;
    QByteArray place;
    const auto stored = [&] {
        rest = windowGeometry(display, clock[0]).topLeft();
        place = QStringLiteral("%1,%2\r\n").arg(rest.x() * 15).arg(rest.y() * 15).toLatin1();
        return install->file(QStringLiteral("fiti.kvi")) == place;
    };
    EXPECT_TRUE(eventually(stored, "the resting place in fiti.kvi"))
        << install->file(QStringLiteral("fiti.kvi")).toStdString();
    EXPECT_LE((rest - QPoint(700, 140)).manhattanLength(), 20);

    // The exit picture sits at (153, 51) of the window.
    const QPoint exit = rest + QPoint(160, 57);
    xdotool(display, {QStringLiteral("mousemove"), QString::number(exit.x()),
                      QString::number(exit.y()), QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_EQ(install->file(QStringLiteral("fiti.kvi")), place);
}

TEST_F(WindowsE2E, ADamagedSettingsFileIsKeptAsideAndTheDeliveredOneTakesItsPlace) {
    const QByteArray damaged("\x81\x7f garbage, \"not a record\r\n");
    install->setFile(QStringLiteral("St.kvi"), damaged);
    const auto program = install->start(display);
    QStringList notice;
    ASSERT_TRUE(eventually([&] { return !(notice = boxes()).isEmpty(); }, "the repair's notice"));
    answer(notice[0]);
    ASSERT_FALSE(waitForWindows(display, ClockTitle, StartMs).isEmpty());

    QFile delivered(QStringLiteral(MORVANE_SOURCE_DIR "/Data/St.kvi"));
    ASSERT_TRUE(delivered.open(QIODevice::ReadOnly));
    EXPECT_EQ(install->file(QStringLiteral("St.kvi")), delivered.readAll());
    EXPECT_EQ(install->file(QStringLiteral("St.kvi.bak")), damaged);
    program->kill();
    program->waitForFinished();
}

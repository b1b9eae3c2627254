#include "Harness.h"
#include "Installation.h"
#include "Polling.h"

#include <gtest/gtest.h>

namespace {

const QString ClockTitle = QStringLiteral("^Morvane3\\.1$");

struct Running {
    Running() {
        install.setFile(QStringLiteral("St.kvi"),
                        cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    }
    VirtualDisplay display;
    Installation install;
};

void clickAt(const VirtualDisplay& display, QPoint point) {
    xdotool(display, {QStringLiteral("mousemove"), QString::number(point.x()),
                      QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
}

} // namespace

TEST(StartupE2E, StartsAtItsPlaceAndRefusesASecondCopy) {
    Running r;
    ASSERT_TRUE(r.display.ok());
    const auto first = r.install.start(r.display);
    const QStringList windows = waitForWindows(r.display, ClockTitle, 20000, first->processId());
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windowGeometry(r.display, windows[0]), QRect(600, 40, 251, 69));

    const auto second = r.install.start(r.display);
    QStringList boxes;
    ASSERT_TRUE(eventually(
        [&] {
            boxes.clear();
            for (const QString& window :
                 waitForWindows(r.display, ClockTitle, 20000, second->processId())) {
                if (windowGeometry(r.display, window).size() != QSize(251, 69))
                    boxes << window;
            }
            return !boxes.isEmpty();
        },
        "the second copy's message box"));
    ASSERT_EQ(boxes.size(), 1);
    xdotool(r.display, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), boxes[0]});
    xdotool(r.display, {QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(r.install.file(QStringLiteral("fiti.kvi")), QByteArray("9000,600\r\n"));
    first->kill();
    first->waitForFinished();
}

TEST(StartupE2E, DraggedWindowIsWrittenOnReleaseAndAtExit) {
    Running r;
    ASSERT_TRUE(r.display.ok());
    const auto program = r.install.start(r.display);
    ASSERT_FALSE(waitForWindows(r.display, ClockTitle, 20000, program->processId()).isEmpty());
    xdotool(r.display, {QStringLiteral("mousemove"), QStringLiteral("700"), QStringLiteral("46"),
                        QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= 10; ++step)
        xdotool(r.display, {QStringLiteral("mousemove"), QString::number(700 + 10 * step),
                            QString::number(46 + 10 * step)});
    xdotool(r.display, {QStringLiteral("mouseup"), QStringLiteral("1")});
    EXPECT_TRUE(
        eventually([&] { return r.install.file(QStringLiteral("fiti.kvi")) == "10500,2100\r\n"; },
                   "the dragged position in fiti.kvi"))
        << r.install.file(QStringLiteral("fiti.kvi")).toStdString();

    // The exit picture sits at (153, 51) of the window, now at (700, 140).
    clickAt(r.display, {700 + 160, 140 + 57});
    ASSERT_TRUE(program->waitForFinished(10000));
    EXPECT_EQ(r.install.file(QStringLiteral("fiti.kvi")), QByteArray("10500,2100\r\n"));
}

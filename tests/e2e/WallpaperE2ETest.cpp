// The installed program sets and removes the wallpaper in the desktop's real settings,
// kept in a keyfile of the test's own.
#include "Harness.h"
#include "Installation.h"
#include "Polling.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString ClockTitle = QStringLiteral("^Morvane3\\.1$");
const QString FunctionTitle = QStringLiteral("^機能画面$");
const QSize FunctionSize(434, 346);
// Where the buttons lie in the function screen, in pixels: page top plus button middle.
const QPoint SetButton(4920 / 15 + 40, (620 + 2640) / 15 + 12);
const QPoint RemoveButton(4920 / 15 + 40, (620 + 3720) / 15 + 12);

struct WithSettings {
    WithSettings() {
        install.setFile(QStringLiteral("St.kvi"),
                        cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        picture = QDir(install.folder()).filePath(QStringLiteral("Red.bmp"));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(picture, "BMP");
        QDir().mkpath(config.filePath(QStringLiteral("glib-2.0/settings")));
        writeKeyfile("[org/gnome/desktop/background]\npicture-uri='file://" +
                     QFile::encodeName(picture) + "'\n");
        environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    }
    void writeKeyfile(const QByteArray& bytes) {
        QFile file(keyfilePath());
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QString keyfilePath() const {
        return config.filePath(QStringLiteral("glib-2.0/settings/keyfile"));
    }
    QByteArray keyfile() const {
        QFile file(keyfilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void click(const QString& window, QPoint at) {
        xdotool(display, {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                          QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                          QStringLiteral("1")});
    }
    VirtualDisplay display;
    Installation install;
    QTemporaryDir config;
    QProcessEnvironment environment;
    QString picture;
};

} // namespace

TEST(WallpaperE2E, SetsAndRemovesTheWallpaperInTheKeyfile) {
    WithSettings w;
    ASSERT_TRUE(w.display.ok());
    const auto program = w.install.start(w.display, {}, w.environment);
    const QStringList clocks = waitForWindows(w.display, ClockTitle, 20000, program->processId());
    ASSERT_FALSE(clocks.isEmpty());
    // The menu from a right click on the clock, third item: the wallpaper page.
    xdotool(w.display, {QStringLiteral("mousemove"), QStringLiteral("700"), QStringLiteral("70"),
                        QStringLiteral("click"), QStringLiteral("3")});
    QThread::msleep(500);
    xdotool(w.display, {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"),
                        QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                        QStringLiteral("Return")});
    // The function screen is the window of its own size.
    QStringList screens;
    ASSERT_TRUE(eventually(
        [&] {
            screens.clear();
            for (const QString& window :
                 waitForWindows(w.display, FunctionTitle, 20000, program->processId())) {
                if (windowGeometry(w.display, window).size() == FunctionSize)
                    screens << window;
            }
            return !screens.isEmpty();
        },
        "the function screen"));

    const QByteArray uri = "'file://" + QFile::encodeName(w.picture) + "'";
    w.click(screens[0], SetButton);
    EXPECT_TRUE(eventually([&] { return w.keyfile().contains("picture-uri-dark=" + uri); },
                           "the dark picture key set by the program"))
        << w.keyfile().constData();

    w.click(screens[0], RemoveButton);
    EXPECT_TRUE(eventually(
        [&] {
            const QByteArray keys = w.keyfile();
            return keys.contains("picture-uri=''") && keys.contains("picture-uri-dark=''");
        },
        "both picture keys emptied"))
        << w.keyfile().constData();
    program->kill();
    program->waitForFinished();
}

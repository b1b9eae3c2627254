// The clock on real desktops: openbox on Xvfb, and weston and sway with Xwayland nested in Xvfb.
#include "Harness.h"
#include "Installation.h"
#include "Polling.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

using Args = QStringList;
const QString ClockTitle = QStringLiteral("^Morvane3\\.1$");
const QString LauncherTitle = QStringLiteral("^簡易ランチャー$");
const QString EditorTitle = QStringLiteral("^モルベーン$");
const QPoint StoredPlace(600, 40); // the delivered fiti.kvi
const QPoint TitleStrip(100, 6);
const QPoint DragBy(50, 50);
constexpr int DragSteps = 10;
const QPoint LauncherPicture(160, 41);
const QPoint FirstSettingsButton(83, 64);
const QPoint ClockSettingsPicture(177, 57);
const QPoint EditorConfirmButton(256, 111);
const QString FunctionScreenTitle = QStringLiteral("^機能画面$");
// _MOTIF_WM_HINTS: its flags, and what the window asks the window manager to offer.
constexpr quint32 MotifFunctionsGiven = 0x1;
constexpr quint32 MotifAllBut = 0x1;
constexpr quint32 MotifMinimise = 0x8;
constexpr quint32 MotifMaximise = 0x10;
constexpr quint32 MotifClose = 0x20;
// weston's output below its panel
const QRect WestonDesktop(0, 32, 1024, 736);
const QRgb LoadingPanel = 0x0d1b3a;
// How far weston's frame, border and shadow reach out of an X window
constexpr int WestonFrame = 40;
// How long weston's screen is watched for a window it draws late
constexpr int ClearScreenMs = 2000;

QProcessEnvironment on(const QString& display, const QProcessEnvironment& extra = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(extra);
    return environment;
}

// The first visible window that `xdotool search` finds before the deadline.
QString window(const QString& display, const Args& search, int deadlineMs = PollDeadlineMs) {
    QString found;
    eventually(
        [&] {
            found = xdotool(display, Args{"search", "--onlyvisible"} + search).section(u'\n', 0, 0);
            return !found.isEmpty();
        },
        "a window", deadlineMs);
    return found;
}

QString windowOf(const QString& display, const QProcess& program, const QString& title,
                 int deadlineMs = PollDeadlineMs) {
    return window(display,
                  {"--all", "--pid", QString::number(program.processId()), "--name", title},
                  deadlineMs);
}

// A window's place on the screen, inside any frame of the window manager.
QRect placeOf(const QString& display, const QString& window) {
    const QString info = runOn(display, QStringLiteral("xwininfo"), {"-id", window});
    const auto field = [&](const QString& name) {
        return QRegularExpression(name + QStringLiteral(":\\s+(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height")};
}

QList<quint64> windowIds(const QString& xprop) {
    QList<quint64> ids;
    for (const auto& id : QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(xprop))
        ids << id.captured().toULongLong(nullptr, 16);
    return ids;
}

// Bottom to top.
QList<quint64> stacking(const QString& display) {
    return windowIds(
        runOn(display, QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"}));
}

// Whether a window's _MOTIF_WM_HINTS let the window manager offer the function.
bool motifOffers(const QString& display, const QString& window, quint32 function) {
    const QString hints =
        runOn(display, QStringLiteral("xprop"), {"-id", window, "_MOTIF_WM_HINTS"});
    // Written in hex, as window ids are.
    const QList<quint64> fields = windowIds(hints.section(u'=', 1));
    if (fields.size() < 2 || !(fields[0] & MotifFunctionsGiven))
        return true;
    const bool listed = fields[1] & function;
    return fields[1] & MotifAllBut ? !listed : listed;
}

// What the window manager offers for a window.
QString allowedActions(const QString& display, const QString& window) {
    return runOn(display, QStringLiteral("xprop"), {"-id", window, "_NET_WM_ALLOWED_ACTIONS"});
}

void click(const QString& display, const QPoint& at) {
    xdotool(display, {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// An install without the start-up logo, whose window would be found for the clock's.
struct NoLogo : Installation {
    NoLogo() { setFile(QStringLiteral("St.kvi"), cp932Lines({"0,0,1,\"off\",12,0,0,0,1"})); }
};

// A program the test starts on its display and stops again.
struct Service {
    Service(const QString& display, const QString& program, const Args& arguments,
            const QProcessEnvironment& extra = {}) {
        process.setProcessEnvironment(on(display, extra));
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
    }
    ~Service() {
        process.terminate();
        if (!process.waitForFinished())
            process.kill();
    }
    QProcess process;
};

struct OnOpenbox {
    VirtualDisplay display;
    QString x = display.name();
    Service openbox{x, QStringLiteral("openbox"), {"--sm-disable"}};
    NoLogo install;
    bool ready() {
        return display.ok() && eventually(
                                   [&] {
                                       return runOn(x, QStringLiteral("xprop"),
                                                    {"-root", "_NET_SUPPORTING_WM_CHECK"})
                                           .contains(QLatin1String("window id"));
                                   },
                                   "openbox");
    }
};

// Weston's log names its Xwayland display; the program of the session sees both.
struct OnWeston {
    VirtualDisplay display;
    QTemporaryDir runtime;
    QString socket = QStringLiteral("morvane-%1").arg(QCoreApplication::applicationPid());
    QString x;
    Service weston{display.name(),
                   QStringLiteral("weston"),
                   {"--backend=x11-backend.so", "--use-pixman", "--xwayland", "--idle-time=0",
                    "--socket=" + socket, "--width=1024", "--height=768"},
                   session()};
    NoLogo install;
    bool ready() {
        QString log;
        return display.ok() &&
               eventually(
                   [&] {
                       weston.process.waitForReadyRead(100);
                       log += QString::fromUtf8(weston.process.readAll());
                       x = QRegularExpression(QStringLiteral("listening on display (:\\d+)"))
                               .match(log)
                               .captured(1);
                       return !x.isEmpty();
                   },
                   "weston's Xwayland");
    }
    QProcessEnvironment session() const {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        if (!x.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), x);
        return environment;
    }
};

// sway refuses to run as root: a root test starts it as nobody, whose Xwayland then lets the
// test's user in. The session writes its Xwayland display to a file once that is done.
struct OnSway {
    VirtualDisplay display;
    QTemporaryDir runtime;
    QString x;
    std::unique_ptr<Service> sway;
    NoLogo install;
    bool ready() {
        if (!display.ok() || !runtime.isValid() || !handRuntimeToCompositor())
            return false;
        const QString config = runtime.filePath(QStringLiteral("config"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        const QString shown = runtime.filePath(QStringLiteral("display"));
        file.write(QStringLiteral("xwayland enable\n"
                                  "exec sh -c 'xhost +si:localuser:%1 && echo $DISPLAY >%2.new && "
                                  "mv %2.new %2'\n")
                       .arg(QString::fromLocal8Bit(getpwuid(getuid())->pw_name), shown)
                       .toUtf8());
        file.close();
        QStringList command{"env",
                            "-i",
                            "HOME=" + runtime.path(),
                            "XDG_RUNTIME_DIR=" + runtime.path(),
                            "DISPLAY=" + display.name(),
                            "WLR_BACKENDS=x11",
                            "WLR_RENDERER=pixman",
                            "PATH=/usr/bin:/bin",
                            "sway",
                            "-c",
                            config};
        if (getuid() == 0)
            command =
                QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"} +
                command;
        const QString program = command.takeFirst();
        sway = std::make_unique<Service>(display.name(), program, command);
        return eventually(
            [&] {
                QFile named(shown);
                x = named.open(QIODevice::ReadOnly) ? QString::fromLatin1(named.readAll().trimmed())
                                                    : QString();
                return !x.isEmpty();
            },
            "sway's Xwayland");
    }
    // The compositor's user owns its runtime folder, and no one else may enter it.
    bool handRuntimeToCompositor() {
        if (getuid() != 0)
            return true;
        const passwd* nobody = getpwnam("nobody");
        return nobody && ::chown(QFile::encodeName(runtime.path()).constData(), nobody->pw_uid,
                                 nobody->pw_gid) == 0;
    }
};

// Clicks at a place of a nested compositor. The pointer comes in from outside, so that the
// compositor learns where it is.
void clickFromOutside(const QString& input, const QPoint& at) {
    xdotool(input,
            {"mousemove", "1270", "1020", "sleep", "0.2", "mousemove", QString::number(at.x()),
             QString::number(at.y()), "sleep", "0.3", "click", "1"});
}

// Clicks the launcher picture of the clock at its stored place until the launcher shows:
// a nested compositor may drop the first click.
QString openLauncher(const QString& input, const QString& x, const QProcess& program) {
    const QPoint at = StoredPlace + LauncherPicture;
    QString launcher;
    eventually(
        [&] {
            clickFromOutside(input, at);
            launcher = windowOf(x, program, LauncherTitle, 3000);
            return !launcher.isEmpty();
        },
        "the launcher");
    return launcher;
}

// Presses on the clock's title strip at its stored place, moves the mouse in ten steps and
// releases it.
void dragTitleStrip(const QString& input) {
    const QPoint press = StoredPlace + TitleStrip;
    xdotool(input, {"mousemove", QString::number(press.x()), QString::number(press.y()),
                    "mousedown", "1"});
    for (int step = 1; step <= DragSteps; ++step) {
        const QPoint at = press + DragBy * step / DragSteps;
        xdotool(input, {"mousemove", QString::number(at.x()), QString::number(at.y())});
    }
    xdotool(input, {"mouseup", "1", "mousemove", "1000", "800"});
}

// Where the clock rests once fiti.kvi holds that place, in twips.
QPoint restingPlace(const QString& x, const QString& clock, const Installation& install) {
    QPoint resting;
    EXPECT_TRUE(eventually(
        [&] {
            resting = placeOf(x, clock).topLeft();
            return install.file(QStringLiteral("fiti.kvi")) ==
                   QByteArray::number(resting.x() * 15) + ',' +
                       QByteArray::number(resting.y() * 15) + "\r\n";
        },
        "the resting place in fiti.kvi"));
    return resting;
}

} // namespace

TEST(OpenboxE2E, ADragEndsWithTheReleaseAndItsRestingPlaceIsWritten) {
    OnOpenbox o;
    ASSERT_TRUE(o.ready());
    const auto program = o.install.start(o.display);
    const QString clock = windowOf(o.x, *program, ClockTitle);
    ASSERT_EQ(placeOf(o.x, clock).topLeft(), StoredPlace);
    dragTitleStrip(o.x);
    // The window system moves the window from the first move of the mouse on.
    const QPoint resting = restingPlace(o.x, clock, o.install);
    // The move starts from the press, so the window went the whole way with the mouse.
    EXPECT_EQ(resting, StoredPlace + DragBy);
    EXPECT_EQ(placeOf(o.x, clock).topLeft(), resting);
}

TEST(OpenboxE2E, TheAlarmRaisesTheClockAboveTheActiveWindowWithoutKeepingItOnTop) {
    OnOpenbox o;
    ASSERT_TRUE(o.ready());
    // Alarm on and the front-at-alarm setting on; the 7:30 slot holds a sound.
    o.install.setFile(QStringLiteral("St.kvi"), cp932Lines({"0,0,1,\"off\",12,0,0,1,1"}));
    QStringList alarms(48, QStringLiteral("\"設定なし\""));
    alarms[15] = QStringLiteral("\"/none.wav\"");
    o.install.setFile(QStringLiteral("alarmset.kvi"), cp932Lines(alarms));
    QProcessEnvironment monotonic;
    monotonic.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    const auto program = o.install.start(o.display, {"faketime", "2002-07-15 07:29:40"}, monotonic);
    // The clock runs as a child of faketime, whose process id is not the clock's.
    const quint64 clock = window(o.x, {"--name", ClockTitle}).toULongLong();
    Service other(o.x, QStringLiteral("xlogo"), {"-geometry", "400x300+550+0"});
    const QString logo = window(o.x, {"--class", "xlogo"}); // xlogo names no process
    const auto activateOther = [&] { xdotool(o.x, {"windowactivate", "--sync", logo}); };
    const auto under = [&] { return stacking(o.x).indexOf(clock) == 0; };
    activateOther();
    ASSERT_TRUE(eventually(under, "the clock under the active window"));

    EXPECT_TRUE(eventually([&] { return stacking(o.x).endsWith(clock); }, "the alarm", 40000));
    EXPECT_FALSE(runOn(o.x, QStringLiteral("xprop"), {"-id", QString::number(clock)})
                     .contains(QLatin1String("_NET_WM_STATE_ABOVE")));
    activateOther();
    EXPECT_TRUE(eventually(under, "the active window over the clock again"));
}

TEST(OpenboxE2E, TheShortcutEditorBelongsToTheLauncherWhichGetsTheFocusBack) {
    OnOpenbox o;
    ASSERT_TRUE(o.ready());
    QStringList shortcuts(30, QStringLiteral("\"\",\"新しいショートカット\""));
    shortcuts[0] = QStringLiteral("\"/bin/sh\",\"シェル\"");
    o.install.setFile(QStringLiteral("Shtcut.kvi"), cp932Lines(shortcuts));
    const auto program = o.install.start(o.display);
    const QString launcher = openLauncher(o.x, o.x, *program);
    ASSERT_FALSE(launcher.isEmpty());
    click(o.x, placeOf(o.x, launcher).topLeft() + FirstSettingsButton);
    QString editor = windowOf(o.x, *program, EditorTitle);
    ASSERT_FALSE(editor.isEmpty());
    EXPECT_EQ(windowIds(runOn(o.x, QStringLiteral("xprop"), {"-id", editor, "WM_TRANSIENT_FOR"})),
              QList<quint64>{launcher.toULongLong()});
    const auto active = [&](const QString& window) {
        return [&, window] { return xdotool(o.x, {"getactivewindow"}) == window; };
    };
    // Each way out (Escape, openbox's close, 確定) leaves the focus on the settings button, so
    // Space opens the editor again.
    const auto key = [&](const QString& name) {
        return [&, name] { xdotool(o.x, {QStringLiteral("key"), name}); };
    };
    const QList<std::function<void()>> exits = {
        key(QStringLiteral("Escape")),
        key(QStringLiteral("alt+F4")),
        [&] { click(o.x, placeOf(o.x, editor).topLeft() + EditorConfirmButton); },
    };
    for (int exit = 0; exit < exits.size(); ++exit) {
        SCOPED_TRACE(exit);
        ASSERT_TRUE(eventually(active(editor), "the editor to be active"));
        exits[exit]();
        EXPECT_TRUE(eventually(active(launcher), "the launcher to be active again"));
        xdotool(o.x, {"key", "space"});
        editor = windowOf(o.x, *program, EditorTitle);
        ASSERT_FALSE(editor.isEmpty()) << "the focus is not on the settings button";
    }
}

TEST(OpenboxE2E, EachWindowOffersOnlyTheTitleBarButtonsItHas) {
    OnOpenbox o;
    ASSERT_TRUE(o.ready());
    const auto program = o.install.start(o.display);
    const QString launcher = openLauncher(o.x, o.x, *program);
    ASSERT_FALSE(launcher.isEmpty());
    click(o.x, placeOf(o.x, launcher).topLeft() + FirstSettingsButton);
    const QString editor = windowOf(o.x, *program, EditorTitle);
    click(o.x, StoredPlace + ClockSettingsPicture);
    const QString screen = windowOf(o.x, *program, FunctionScreenTitle);
    struct Offer {
        QString window;
        bool close, minimise;
    };
    for (const Offer& offer :
         {Offer{editor, false, false}, Offer{launcher, true, false}, Offer{screen, true, true}}) {
        ASSERT_FALSE(offer.window.isEmpty());
        SCOPED_TRACE(
            runOn(o.x, QStringLiteral("xprop"), {"-id", offer.window, "WM_NAME"}).toStdString());
        EXPECT_EQ(motifOffers(o.x, offer.window, MotifClose), offer.close);
        EXPECT_EQ(motifOffers(o.x, offer.window, MotifMinimise), offer.minimise);
        EXPECT_FALSE(motifOffers(o.x, offer.window, MotifMaximise));
        // openbox keeps its own close and minimise, but a fixed size it does not maximise.
        EXPECT_FALSE(allowedActions(o.x, offer.window).contains(QLatin1String("MAXIMIZE")));
    }
}

QImage screenshot(const QString& display, const QString& file) {
    runOn(display, QStringLiteral("import"), {"-window", "root", file});
    return QImage(file);
}

// Whether weston's screen shows no loading window, painted or black, outside the windows
// given: weston draws the X windows itself, so only its screen tells.
bool noLoadingWindowOn(const QImage& screen, const QList<QRect>& windows) {
    const auto framed = [&](int x, int y) {
        return std::any_of(windows.begin(), windows.end(), [&](const QRect& window) {
            return window.adjusted(-WestonFrame, -WestonFrame, WestonFrame, WestonFrame)
                .contains(x, y);
        });
    };
    for (int y = WestonDesktop.top(); y <= WestonDesktop.bottom(); ++y) {
        for (int x = WestonDesktop.left(); x <= WestonDesktop.right(); ++x) {
            const QRgb pixel = screen.pixel(x, y) & 0xffffff;
            if ((pixel == LoadingPanel || pixel == 0) && !framed(x, y))
                return false;
        }
    }
    return true;
}

// Holds a process still, as a compositor busy elsewhere is.
struct Stopped {
    explicit Stopped(qint64 process)
        : pid(pid_t(process)) {
        ::kill(pid, SIGSTOP);
    }
    ~Stopped() { ::kill(pid, SIGCONT); }
    pid_t pid;
};

// Starts the clock in weston's session and checks its place; opens the launcher.
struct LauncherOnWeston : OnWeston {
    std::unique_ptr<QProcess> program;
    QRect clock;
    QImage desktop; // before the launcher opens
    QString launcher;
    void start() {
        ASSERT_TRUE(ready());
        program = install.start(display, {}, session());
        const QString window = windowOf(x, *program, ClockTitle);
        // The window manager frames the window just after it shows.
        ASSERT_TRUE(eventually(
            [&] { return (clock = placeOf(x, window)).topLeft() == StoredPlace; }, "the place"));
        desktop = screenshot(display.name(), shot());
    }
    void open() {
        start();
        // The compositor takes its input from the outer display.
        launcher = openLauncher(display.name(), x, *program);
        ASSERT_FALSE(launcher.isEmpty());
    }
    QString shot() const { return QDir(install.folder()).filePath(QStringLiteral("shot.png")); }
    // The screen a check failed on outlives the install folder, to tell what drew there.
    QString keptScreen(qint64 afterMs) const {
        const QString kept = QDir::current().absoluteFilePath(
            QStringLiteral("weston-screen-%1.png").arg(QCoreApplication::applicationPid()));
        QFile::remove(kept);
        QFile::copy(shot(), kept);
        return QStringLiteral("%1 ms into the watch: %2").arg(afterMs).arg(kept);
    }
    // Once weston has painted the launcher, which it maps after the loading window, the
    // screen stays clear: weston may draw a window it maps late a while after. The launcher's
    // place is read each time, as weston places it just after it maps it.
    testing::AssertionResult loadingWindowGone() {
        const auto clear = [&] {
            const QRect place = placeOf(x, launcher);
            const QImage screen = screenshot(display.name(), shot());
            const QRgb corner = screen.pixel(place.topLeft()) & 0xffffff;
            return corner != 0 && corner != (desktop.pixel(place.topLeft()) & 0xffffff) &&
                   noLoadingWindowOn(screen, {clock, place});
        };
        const auto shown = eventually(clear, "the launcher alone on weston's screen", 5000);
        if (!shown)
            return shown;
        QElapsedTimer watched;
        watched.start();
        while (watched.elapsed() < ClearScreenMs) {
            if (!clear())
                return testing::AssertionFailure() << "a loading window showed after the launcher, "
                                                   << qPrintable(keptScreen(watched.elapsed()));
        }
        return testing::AssertionSuccess();
    }
};

TEST(WestonE2E, TheDefaultStartIsAnXWindowAtItsPlaceAndTheLoadingWindowGoes) {
    LauncherOnWeston w;
    w.open();
    EXPECT_EQ(windowOf(w.x, *w.program, QStringLiteral("^Morvane$"), 0), QString());
}

// weston moves the clock without telling it, and the place it rests at is still stored.
TEST(WestonE2E, ADraggedClockIsStoredWhereItRests) {
    LauncherOnWeston w;
    w.start();
    const QString clock = windowOf(w.x, *w.program, ClockTitle);
    // The pointer comes in from outside; a nested compositor may drop the first press.
    EXPECT_TRUE(eventually(
        [&] {
            xdotool(w.display.name(), {"mousemove", "1270", "1020", "sleep", "0.2"});
            dragTitleStrip(w.display.name());
            return placeOf(w.x, clock).topLeft() != StoredPlace;
        },
        "the drag"));
    EXPECT_EQ(restingPlace(w.x, clock, w.install), StoredPlace + DragBy);
}

TEST(WestonE2E, TheCompositorShowsNoLoadingWindowOnceTheLauncherShows) {
    LauncherOnWeston w;
    w.open();
    EXPECT_TRUE(w.loadingWindowGone());
}

// The loading window comes and goes before weston's window manager gets to map it.
TEST(WestonE2E, TheLoadingWindowGoesWhenWestonLagsBehindIt) {
    LauncherOnWeston w;
    w.start();
    {
        const QPoint at = StoredPlace + LauncherPicture;
        // weston's pointer rests on the clock, out of the screenshots' way.
        xdotool(w.display.name(), {"mousemove", QString::number(at.x()), QString::number(at.y())});
        Stopped busy(w.weston.process.processId());
        // Xwayland still takes the clicks it is given itself.
        xdotool(w.x, {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
        ASSERT_TRUE(eventually(
            [&] {
                return !xdotool(w.x, {"search", "--pid", QString::number(w.program->processId()),
                                      "--name", LauncherTitle})
                            .isEmpty();
            },
            "the launcher's window"));
    }
    w.launcher = windowOf(w.x, *w.program, LauncherTitle);
    ASSERT_FALSE(w.launcher.isEmpty());
    EXPECT_TRUE(w.loadingWindowGone());
}

// Ends the focused clock through its menu's last item, from the keyboard. The nested
// compositor takes the outer display's keys, and may drop the first ones.
testing::AssertionResult exitByTheMenu(const QString& input, QProcess& program) {
    return eventually(
        [&] {
            xdotool(input, {"key", "shift+F10", "sleep", "0.5", "key", "Up", "Return"});
            return program.waitForFinished(1000);
        },
        "the menu's exit");
}

TEST(WestonE2E, OnNativeWaylandTheMenusExitLeavesThePlaceFileAsItWas) {
    OnWeston w;
    ASSERT_TRUE(w.ready());
    const QByteArray stored("9007,611\r\n");
    w.install.setFile(QStringLiteral("fiti.kvi"), stored);
    QProcessEnvironment session = w.session();
    session.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    const auto program = w.install.start(w.display, {}, session);
    EXPECT_TRUE(exitByTheMenu(w.display.name(), *program));
    EXPECT_EQ(w.install.file(QStringLiteral("fiti.kvi")), stored);
}

// sway puts each X window where it likes (the middle of the screen); what the user stored
// stays stored, through a click on the clock and the menu's exit.
TEST(SwayE2E, TheClockSwayPlacesItselfLeavesTheStoredPlaceAsItWas) {
    OnSway s;
    ASSERT_TRUE(s.ready());
    const QByteArray stored = s.install.file(QStringLiteral("fiti.kvi"));
    QProcessEnvironment session;
    session.insert(QStringLiteral("DISPLAY"), s.x);
    const auto program = s.install.start(s.display, {}, session);
    const QString clock = windowOf(s.x, *program, ClockTitle);
    QRect place;
    ASSERT_TRUE(eventually(
        [&] { return (place = placeOf(s.x, clock)).topLeft() != StoredPlace && place.x() > 0; },
        "sway's place"));
    clickFromOutside(s.display.name(), place.topLeft() + TitleStrip);
    EXPECT_TRUE(exitByTheMenu(s.display.name(), *program));
    EXPECT_EQ(s.install.file(QStringLiteral("fiti.kvi")), stored);
}

// The install step as a user runs it: into an empty folder in the home, then started from
// there; a second install keeps the user's data.
#include "Installation.h"
#include "Polling.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString ClockTitle = QStringLiteral("^Morvane3\\.1$");
const QStringList IconSizes = {QStringLiteral("16"),  QStringLiteral("22"), QStringLiteral("24"),
                               QStringLiteral("32"),  QStringLiteral("48"), QStringLiteral("64"),
                               QStringLiteral("128"), QStringLiteral("256")};
constexpr int ToolMs = 120000;

// A home folder of the test's own, with the program to be installed into it.
struct Home {
    QTemporaryDir root;
    QString home = root.filePath(QStringLiteral("home"));
    QString folder = home + QStringLiteral("/Programs/Morvane clock");
    QString userEntry = home + QStringLiteral("/.local/share/applications/morvane.desktop");

    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        environment.remove(QStringLiteral("DESTDIR"));
        return environment;
    }
    // Runs a tool; its exit code, with what it printed on failure.
    int run(const QString& program, const QStringList& arguments, QString* output) const {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(program, arguments);
        if (!tool.waitForFinished(ToolMs))
            return -1;
        *output = QString::fromLocal8Bit(tool.readAll());
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }
    int install(QString* output) const {
        return run(QStringLiteral(MORVANE_CMAKE),
                   {QStringLiteral("--install"), QStringLiteral(MORVANE_BINARY_DIR),
                    QStringLiteral("--prefix"), folder},
                   output);
    }
    QByteArray read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST(InstallE2E, AnInstallIntoTheHomeRunsIsRegisteredAndKeepsTheUsersData) {
    Home h;
    ASSERT_TRUE(QDir().mkpath(h.home));
    QString output;
    ASSERT_EQ(h.install(&output), 0) << output.toStdString();

    const QDir folder(h.folder);
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("morvane"))).isExecutable());
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("morvane_sound.so"))));
    EXPECT_TRUE(
        h.read(folder.filePath(QStringLiteral("support.html"))).contains("製品名とバージョン"))
        << "the support page lies beside the program";
    const QDir delivered(QStringLiteral(MORVANE_SOURCE_DIR "/Data"));
    for (const QString& name : delivered.entryList({QStringLiteral("*.kvi")}, QDir::Files))
        EXPECT_EQ(h.read(folder.filePath(QStringLiteral("Data/") + name)),
                  h.read(delivered.filePath(name)))
            << name.toStdString();
    for (const QString& size : IconSizes)
        EXPECT_TRUE(QFileInfo::exists(
            h.home +
            QStringLiteral("/.local/share/icons/hicolor/%1x%1/apps/morvane.png").arg(size)))
            << size.toStdString();

    // The entry starts this very program, and the desktop's own checker accepts it.
    const QString entry = QString::fromUtf8(h.read(h.userEntry));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"%1/morvane\"\n").arg(h.folder)))
        << entry.toStdString();
    for (const QString& file :
         {h.userEntry, folder.filePath(QStringLiteral("share/applications/morvane.desktop"))})
        EXPECT_EQ(h.run(QStringLiteral("desktop-file-validate"), {file}, &output), 0)
            << output.toStdString();

    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    QProcess program;
    QProcessEnvironment environment = h.environment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), display.name());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(h.root.path());
    program.start(folder.filePath(QStringLiteral("morvane")), {});
    ASSERT_TRUE(program.waitForStarted());
    // The delivered settings show the logo first, which carries the same title.
    EXPECT_TRUE(eventually(
        [&] {
            for (const QString& window :
                 waitForWindows(display, ClockTitle, PollDeadlineMs, program.processId())) {
                if (windowGeometry(display, window) == QRect(600, 40, 251, 69))
                    return true;
            }
            return false;
        },
        "the clock window at its delivered place"));
    program.kill();
    program.waitForFinished();

    // Installing again keeps what the user changed and puts back only what is missing.
    const QString settings = folder.filePath(QStringLiteral("Data/St.kvi"));
    const QString font = folder.filePath(QStringLiteral("Data/fot.kvi"));
    QFile changed(settings);
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
    changed.write("1,1,1,\"off\",24,1,1,1,2\r\n");
    changed.close();
    ASSERT_TRUE(QFile::remove(font));
    ASSERT_EQ(h.install(&output), 0) << output.toStdString();
    EXPECT_EQ(h.read(settings), QByteArray("1,1,1,\"off\",24,1,1,1,2\r\n"));
    EXPECT_EQ(h.read(font), h.read(delivered.filePath(QStringLiteral("fot.kvi"))));
}

TEST(InstallE2E, AnInstallOutsideTheHomeRegistersNothingForTheUser) {
    Home h;
    ASSERT_TRUE(QDir().mkpath(h.home));
    h.folder = h.root.filePath(QStringLiteral("opt/morvane"));
    QString output;
    ASSERT_EQ(h.install(&output), 0) << output.toStdString();
    EXPECT_TRUE(
        QFileInfo::exists(h.folder + QStringLiteral("/share/applications/morvane.desktop")));
    EXPECT_FALSE(QFileInfo::exists(h.home + QStringLiteral("/.local")));
}

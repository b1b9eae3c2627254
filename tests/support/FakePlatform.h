#pragma once

#include "platform/Platform.h"

#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

// Records every call and answers with values a test sets.
class FakePlatform : public Platform {
public:
    QStringList calls; // "setTopmost(1)", "playSound(C:/a.wav)", "stopSound" ...

    MemoryStatus memory{268435456ULL, 41ULL * 1048576};
    QSize screen{1280, 1024};
    QList<QRect> screens{{0, 0, 1280, 1024}};
    bool firstInstance = true;
    bool systemMoveAccepted = false;
    bool windowsPlaceable = true;
    bool keptInFront = true;
    // Where a window manager put the window without telling Qt.
    std::optional<QPoint> movedByWindowManager;
    bool programStarts = true;
    QString computer = QStringLiteral("desk");
    std::optional<QString> user = QStringLiteral("user");
    OsVersion version{6, 1, 7601, QStringLiteral("Test")};

    MemoryStatus memoryStatus() override { return memory; }
    QString computerName() override { return computer; }
    std::optional<QString> userName() override { return user; }
    OsVersion osVersion() override { return version; }
    // The wallpaper as the desktop's settings hold it: its code, path and fault words.
    int wallpaperCode = 2;
    QString wallpaper;
    QString wallpaperFailure;
    bool wallpaperAccepted = true;

    int currentWallpaper(QString& result, QString& failure) override {
        if (wallpaperCode == 0)
            result = wallpaper;
        failure = wallpaperFailure;
        return wallpaperCode;
    }
    void setTopmost(QWidget*, bool topmost) override {
        calls << QStringLiteral("setTopmost(%1)").arg(topmost);
    }
    bool startWindowMove(QWidget*, const QPoint&) override {
        calls << QStringLiteral("startWindowMove");
        return systemMoveAccepted;
    }
    bool canPlaceWindows() override { return windowsPlaceable; }
    // A desktop that places the windows itself keeps none in front for the program either.
    bool canKeepInFront() override { return windowsPlaceable && keptInFront; }
    QPoint windowPlace(const QWidget* window) override {
        return movedByWindowManager.value_or(window->pos());
    }
    QSize screenSize() override { return screen; }
    QList<QRect> screenAreas() override { return screens; }
    ColourDepth colourDepth() override { return {24, 1}; }
    bool setWallpaper(const QString& path) override {
        calls << QStringLiteral("setWallpaper(%1)").arg(path);
        return wallpaperAccepted;
    }
    // The session manager's answer waits here until the test gives it, as logind may wait
    // on a password prompt.
    std::function<void(bool)> sessionEndAnswer;

    void endSession(SessionEnd request, std::function<void(bool)> answered) override {
        calls << QStringLiteral("endSession(%1)").arg(int(request));
        sessionEndAnswer = std::move(answered);
    }
    // Each drive's figures and type; a drive missing here cannot be read.
    QMap<QString, DiskSpace> diskSpace;
    QMap<QString, DriveType> driveTypes;
    QStringList driveRoots{QStringLiteral("/")};

    std::optional<DiskSpace> diskFreeSpace(const QString& root) override {
        return diskSpace.contains(root) ? std::optional(diskSpace[root]) : std::nullopt;
    }
    std::optional<DriveType> driveType(const QString& root) override {
        return driveTypes.contains(root) ? std::optional(driveTypes[root]) : std::nullopt;
    }
    QStringList drives(const QString&) override { return driveRoots; }
    bool openWebPage(const QUrl& url) override {
        calls << QStringLiteral("openWebPage(%1)").arg(url.toString());
        return true;
    }
    QPixmap fileIcon(const QString&) override { return {}; }
    // Runs inside playSound, as code that spins the event loop there would.
    std::function<void()> whilePlaying;

    void playSound(const QString& path) override {
        calls << QStringLiteral("playSound(%1)").arg(path);
        if (whilePlaying)
            whilePlaying();
    }
    void stopSound() override { calls << QStringLiteral("stopSound"); }
    // Entries a test scripts for a folder; any other folder is read for real, which is
    // harmless, so tests may use real temporary folders. A listing may run on a thread of
    // its own: a test changes folders only while none runs.
    QMap<QString, QList<DirectoryEntry>> folders;
    // Runs inside listDirectory, on the listing's thread, as a slow mount would.
    std::function<void(const QString& folder)> whileListing;

    std::optional<QList<DirectoryEntry>> listDirectory(const QString& folder) override {
        if (whileListing)
            whileListing(folder);
        if (folders.contains(folder))
            return folders.value(folder);
        return files().listDirectory(folder);
    }
    std::optional<FileProperties> fileProperties(const QString& path) override {
        return files().fileProperties(path);
    }
    bool claimSingleInstance(const QString&) override { return firstInstance; }
    bool startProgram(const QString& path) override {
        calls << QStringLiteral("startProgram(%1)").arg(path);
        return programStarts;
    }

    // The calls that begin with prefix.
    QStringList callsOf(const QString& prefix) const {
        return calls.filter(QRegularExpression(u'^' + QRegularExpression::escape(prefix)));
    }

private:
    // The real platform, for the file-system reads only; made at once, since listings on
    // other threads use it too.
    Platform& files() { return *real_; }
    std::unique_ptr<Platform> real_ = createPlatform();
};

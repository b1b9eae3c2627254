#pragma once

#include "X11WindowManager.h"
#include "platform/Platform.h"

#include <QFile>
#include <QStringList>
#include <memory>

class DesktopServices;
class SoundOutput;

// The operating-system operations on a Linux desktop.
class LinuxPlatform : public Platform {
public:
    // The release's own name is read from the first of osReleasePaths that reads as a file:
    // the system's own, then the one its packages deliver.
    explicit LinuxPlatform(QStringList osReleasePaths = {QStringLiteral("/etc/os-release"),
                                                         QStringLiteral("/usr/lib/os-release")});
    ~LinuxPlatform() override;

    MemoryStatus memoryStatus() override;
    QString computerName() override;
    std::optional<QString> userName() override;
    OsVersion osVersion() override;
    int currentWallpaper(QString& result, QString& failure) override;
    void setTopmost(QWidget* window, bool topmost) override;
    bool startWindowMove(QWidget* window, const QPoint& grip) override;
    bool canPlaceWindows() override;
    bool canKeepInFront() override;
    QPoint windowPlace(const QWidget* window) override;
    QSize screenSize() override;
    QList<QRect> screenAreas() override;
    ColourDepth colourDepth() override;
    bool setWallpaper(const QString& path) override;
    void endSession(SessionEnd request, std::function<void(bool accepted)> answered) override;
    std::optional<DiskSpace> diskFreeSpace(const QString& root) override;
    std::optional<DriveType> driveType(const QString& root) override;
    QStringList drives(const QString& path) override;
    bool openWebPage(const QUrl& url) override;
    QPixmap fileIcon(const QString& path) override;
    void playSound(const QString& path) override;
    void stopSound() override;
    // In DirectoryListing.cpp.
    std::optional<QList<DirectoryEntry>> listDirectory(const QString& folder) override;
    std::optional<FileProperties> fileProperties(const QString& path) override;
    bool claimSingleInstance(const QString& dataFolder) override;
    bool startProgram(const QString& path) override;

private:
    // The sound module, loaded at the first sound; null when it cannot be loaded.
    SoundOutput* sound();
    // The desktop module, loaded at first use; null when it cannot be loaded.
    DesktopServices* desktop();
    // What the window system lets the program do with its windows, asked once.
    x11wm::Abilities windowAbilities();

    QFile meminfo_;
    const QStringList osReleasePaths_;
    std::unique_ptr<SoundOutput> sound_;
    std::unique_ptr<DesktopServices> desktop_;
    std::optional<x11wm::Abilities> windowAbilities_;
    int instanceLock_ = -1; // the open lock file; its lock goes when the process ends
};

#pragma once

#include "platform/Platform.h"

#include <string>

// The operating-system operations on Windows, through the system's wide-character calls
// so that a name outside the ANSI code page works too.
class WindowsPlatform : public Platform {
public:
    WindowsPlatform() = default;
    ~WindowsPlatform() override;

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
    // In Drives.cpp.
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
    void* instanceMutex_ = nullptr; // held for the whole run; the system frees it at the end
};

// A path as the wide-character calls take it: backslashes, UTF-16.
std::wstring nativePath(const QString& path);

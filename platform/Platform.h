#pragma once

#include <QDateTime>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

struct MemoryStatus {
    quint64 totalPhysical = 0;     // bytes
    quint64 availablePhysical = 0; // bytes
};

struct OsVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
    QString notes; // the release's own name
};

struct ColourDepth {
    int bitsPerPixel = 0;
    int planes = 1;
};

struct DiskSpace {
    quint64 availableToCaller = 0;
    quint64 total = 0;
    quint64 free = 0;
};

enum class DriveType { Unknown, Removable, Fixed, Network, CdRom, RamDisk };

enum class SessionEnd { LogOff, PowerOff, Reboot };

// What a folder listing tells of each entry without reading the entry itself.
struct DirectoryEntry {
    QString name;
    bool directory = false;
    bool hidden = false;
    bool system = false;
};

// A file's details; a time or the size the file system does not give stays empty.
struct FileProperties {
    std::optional<QDateTime> created;
    std::optional<QDateTime> modified;
    std::optional<QDateTime> accessed;
    std::optional<quint64> size;
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    bool archive = false;
    bool compressed = false;
};

// Every operating-system operation the program uses, one function each, so that the
// program runs on another system by a new implementation and tests by a fake.
class Platform {
public:
    virtual ~Platform() = default;

    // Total and available physical memory, in bytes.
    virtual MemoryStatus memoryStatus() = 0;
    // The computer's network name.
    virtual QString computerName() = 0;
    // The name of the signed-in user; nothing when it cannot be found.
    virtual std::optional<QString> userName() = 0;
    // The system's version numbers and its own name for the release.
    virtual OsVersion osVersion() = 0;
    // The current desktop wallpaper file into result: 0 on success, else an error code
    // and result untouched; failure gets the words of a fault other than a missing setting.
    virtual int currentWallpaper(QString& result, QString& failure) = 0;
    // Keeps window above all others (true) or puts it back among normal windows (false);
    // making it topmost also raises it.
    virtual void setTopmost(QWidget* window, bool topmost) = 0;
    // Lets the window system move the borderless window with the held left button, pressed
    // at grip inside the window; false when it refuses, so the caller moves the window itself.
    virtual bool startWindowMove(QWidget* window, const QPoint& grip) = 0;
    // Whether the window system shows a window where the program puts it and tells where it
    // is; false on a Wayland compositor and on others that place every window themselves.
    virtual bool canPlaceWindows() = 0;
    // Whether a window asked to stay in front of the others does; false where the window
    // system orders the windows by its own rules alone.
    virtual bool canKeepInFront() = 0;
    // Where the window system shows the window. A window manager may move a window without
    // telling it (weston's Xwayland), so this asks the window system; a round trip.
    virtual QPoint windowPlace(const QWidget* window) = 0;
    // The primary screen's size in device pixels.
    virtual QSize screenSize() = 0;
    // Where each connected screen lies on the desktop, in logical pixels.
    virtual QList<QRect> screenAreas() = 0;
    // Bits per pixel and colour planes of the primary screen.
    virtual ColourDepth colourDepth() = 0;
    // Sets the desktop wallpaper to the file, or removes it for an empty path; false on
    // failure.
    virtual bool setWallpaper(const QString& path) = 0;
    // Asks the session manager to log off, power off or restart and returns at once: it may
    // wait long on a password prompt. answered runs on the window's thread when it has
    // answered, with false when it refused or could not be asked.
    virtual void endSession(SessionEnd request, std::function<void(bool accepted)> answered) = 0;
    // Capacity of the drive or file system holding root; nothing when it cannot be read.
    virtual std::optional<DiskSpace> diskFreeSpace(const QString& root) = 0;
    // The kind of drive that holds root; nothing when it cannot be told.
    virtual std::optional<DriveType> driveType(const QString& root) = 0;
    // The roots of the file systems a user can keep files on, the one holding path first.
    virtual QStringList drives(const QString& path) = 0;
    // Opens the page in the user's web browser; false when no browser could be started.
    virtual bool openWebPage(const QUrl& url) = 0;
    // The file's first icon at 32 x 32; a null pixmap when it has none.
    virtual QPixmap fileIcon(const QString& path) = 0;
    // Starts playing a WAVE file and returns at once; a sound still playing stops.
    virtual void playSound(const QString& path) = 0;
    // Silences whatever sound is playing.
    virtual void stopSound() = 0;
    // The entries of a folder (not "." and ".."), in the order the file system gives them,
    // read in one pass; nothing when it cannot be read. Safe on any thread: a folder may
    // take long to answer, so callers may list it aside.
    virtual std::optional<QList<DirectoryEntry>> listDirectory(const QString& folder) = 0;
    // The times, size and attributes of the file at path; nothing when it cannot be read.
    virtual std::optional<FileProperties> fileProperties(const QString& path) = 0;
    // True for the first running copy that uses this data folder, false for any other.
    virtual bool claimSingleInstance(const QString& dataFolder) = 0;
    // Starts the program at path without a shell; false when it cannot be started.
    virtual bool startProgram(const QString& path) = 0;
};

// The implementation for the system the program was built for; CMake picks its folder.
std::unique_ptr<Platform> createPlatform();

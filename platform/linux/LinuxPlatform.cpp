#include "LinuxPlatform.h"

#include "DesktopServices.h"
#include "Logind.h"
#include "SoundOutput.h"
#include "X11WindowManager.h"
#include "core/BoundedRead.h"
#include "core/SystemFigures.h"
#include "desktop/DesktopEntry.h"
#include "desktop/DesktopSettings.h"
#include "platform/InstanceKey.h"
#include "platform/PictureFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QGuiApplication>
#include <QIcon>
#include <QLibrary>
#include <QMimeDatabase>
#include <QProcess>
#include <QScreen>
#include <QStorageInfo>
#include <QWidget>
#include <QWindow>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

constexpr int IconPixels = 32;
const QString BaseIconTheme = QStringLiteral("hicolor");
const QString InstalledIconTheme = QStringLiteral("Adwaita"); // adwaita-icon-theme
constexpr int MeminfoBufferSize = 4096;
const QString SoundModule = QStringLiteral("morvane_sound");
const QString DesktopModule = QStringLiteral("morvane_desktop");
constexpr qint64 OsReleaseMaxBytes = 65536;

// A /proc/meminfo line such as "MemTotal:  16314060 kB", in bytes.
quint64 meminfoBytes(QByteArrayView meminfo, QByteArrayView key) {
    const qsizetype at = meminfo.indexOf(key);
    if (at < 0)
        return 0;
    quint64 kilobytes = 0;
    for (qsizetype i = at + key.size(); i < meminfo.size() && meminfo[i] != '\n'; ++i) {
        if (meminfo[i] >= '0' && meminfo[i] <= '9')
            kilobytes = kilobytes * 10 + quint64(meminfo[i] - '0');
    }
    return kilobytes * 1024;
}

// The factory of a module beside the executable; null, with a warning, when it cannot load.
template <typename Factory> Factory factoryOf(const QString& name, const char* symbol) {
    QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    const auto factory = reinterpret_cast<Factory>(module.resolve(symbol));
    if (!factory)
        qWarning("%s: %s", qPrintable(name), qPrintable(module.errorString()));
    return factory;
}

} // namespace

LinuxPlatform::LinuxPlatform(QStringList osReleasePaths)
    : meminfo_(QStringLiteral("/proc/meminfo"))
    , osReleasePaths_(std::move(osReleasePaths)) {}
LinuxPlatform::~LinuxPlatform() {
    if (instanceLock_ >= 0)
        ::close(instanceLock_);
}

MemoryStatus LinuxPlatform::memoryStatus() {
    // Read four times a second: the file stays open and is read into a fixed buffer.
    if (!meminfo_.isOpen() && !meminfo_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    char buffer[MeminfoBufferSize];
    meminfo_.seek(0);
    const qint64 length = meminfo_.read(buffer, sizeof buffer);
    if (length <= 0)
        return {};
    const QByteArrayView meminfo(buffer, length);
    return {meminfoBytes(meminfo, "MemTotal:"), meminfoBytes(meminfo, "MemAvailable:")};
}

QString LinuxPlatform::computerName() {
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return QString::fromLocal8Bit(name);
}

std::optional<QString> LinuxPlatform::userName() {
    const passwd* entry = getpwuid(geteuid());
    if (!entry || !entry->pw_name)
        return std::nullopt;
    return QString::fromLocal8Bit(entry->pw_name);
}

OsVersion LinuxPlatform::osVersion() {
    OsVersion version;
    utsname names{};
    if (uname(&names) == 0) {
        const auto release = systemfigures::parseRelease(QString::fromLatin1(names.release));
        version.major = release.major;
        version.minor = release.minor;
        version.build = release.build;
    }
    // The first of the files that reads as one; anything else leaves the notes empty.
    for (const QString& path : osReleasePaths_) {
        const boundedread::Result file = boundedread::read(path, OsReleaseMaxBytes);
        if (file.ok()) {
            version.notes = systemfigures::prettyName(file.bytes);
            break;
        }
    }
    return version;
}

int LinuxPlatform::currentWallpaper(QString& result, QString& failure) {
    DesktopServices* services = desktop();
    if (!services)
        return desktopsettings::NotFound;
    return services->readPath(desktopsettings::BackgroundSchema, desktopsettings::PictureKey,
                              result, failure);
}

void LinuxPlatform::setTopmost(QWidget* window, bool topmost) {
    // Changing the window's flags in place keeps it where it is, without a hide and show.
    window->overrideWindowFlags(topmost ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                        : window->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(window->windowFlags());
    if (!window->isVisible())
        return;
    if (!x11wm::available()) {
        if (topmost)
            window->raise();
        return;
    }
    // A window that leaves the "above" state lands where the window manager likes (openbox
    // puts it under the active window): the raise after the change leaves it above the
    // normal windows without staying on top.
    x11wm::setAbove(window, topmost);
    x11wm::raise(window);
}

bool LinuxPlatform::startWindowMove(QWidget* window, const QPoint& grip) {
    if (x11wm::available())
        return x11wm::startMove(window, grip);
    // A Wayland compositor knows the press itself.
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

x11wm::Abilities LinuxPlatform::windowAbilities() {
    if (!windowAbilities_) {
        // A Wayland compositor places every window itself and keeps none on top for a client.
        const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        windowAbilities_ = wayland ? x11wm::Abilities{false, false} : x11wm::abilities();
    }
    return *windowAbilities_;
}

bool LinuxPlatform::canPlaceWindows() {
    return windowAbilities().places;
}

bool LinuxPlatform::canKeepInFront() {
    return windowAbilities().keepsInFront;
}

QPoint LinuxPlatform::windowPlace(const QWidget* window) {
    const std::optional<QPoint> shown = x11wm::available() ? x11wm::placeOf(window) : std::nullopt;
    return shown.value_or(window->pos());
}

QSize LinuxPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() * screen->devicePixelRatio() : QSize();
}

QList<QRect> LinuxPlatform::screenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->geometry();
    return areas;
}

ColourDepth LinuxPlatform::colourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return {screen ? screen->depth() : 0, 1};
}

bool LinuxPlatform::setWallpaper(const QString& path) {
    // Only a picture the desktop can show counts as set; its header tells, nothing is decoded.
    if (!path.isEmpty() && !picturefile::Picture(path).ok())
        return false;
    DesktopServices* services = desktop();
    return services && services->writePath(desktopsettings::BackgroundSchema, path);
}

void LinuxPlatform::endSession(SessionEnd request, std::function<void(bool accepted)> answered) {
    logind::endSession(request, std::move(answered));
}

std::optional<DiskSpace> LinuxPlatform::diskFreeSpace(const QString& root) {
    struct statvfs figures {};
    if (statvfs(QFile::encodeName(root).constData(), &figures) != 0)
        return std::nullopt;
    const quint64 unit = figures.f_frsize;
    return DiskSpace{figures.f_bavail * unit, figures.f_blocks * unit, figures.f_bfree * unit};
}

bool LinuxPlatform::openWebPage(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

namespace {

// The icon of the file's type from the theme, as a file manager shows it; the style's own
// file icon where the theme has none.
QIcon typeIcon(const QFileInfo& file) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    return icon.isNull() ? QFileIconProvider().icon(file) : icon;
}

// A desktop entry's Icon: a picture file read as any file of the user's, or a theme name.
QIcon entryIcon(const QString& name) {
    if (!QFileInfo(name).isAbsolute())
        return QIcon::fromTheme(name);
    const QSize pixels = QSize(IconPixels, IconPixels) * qApp->devicePixelRatio();
    const QImage picture = picturefile::Picture(name).read(pixels);
    return picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture));
}

} // namespace

QPixmap LinuxPlatform::fileIcon(const QString& path) {
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return {};
    // A bare X session names no theme but the base one, which has no file icons.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == BaseIconTheme)
        QIcon::setThemeName(InstalledIconTheme);
    QIcon icon;
    DesktopServices* services = desktopentry::isDesktopEntry(path) ? desktop() : nullptr;
    if (services)
        icon = entryIcon(services->iconName(path));
    if (icon.isNull())
        icon = typeIcon(file);
    // Drawn for the screen's pixel ratio, so the icon stays sharp when the desktop is scaled.
    return icon.pixmap(QSize(IconPixels, IconPixels), qApp->devicePixelRatio());
}

SoundOutput* LinuxPlatform::sound() {
    if (!sound_) {
        if (const auto create = factoryOf<SoundOutputFactory>(SoundModule, MORVANE_SOUND_FACTORY))
            sound_.reset(create());
    }
    return sound_.get();
}

DesktopServices* LinuxPlatform::desktop() {
    if (!desktop_) {
        if (const auto create =
                factoryOf<DesktopServicesFactory>(DesktopModule, MORVANE_DESKTOP_FACTORY))
            desktop_.reset(create());
    }
    return desktop_.get();
}

void LinuxPlatform::playSound(const QString& path) {
    // No name asks for silence, as the classic call does.
    if (path.isEmpty())
        return stopSound();
    if (SoundOutput* output = sound())
        output->play(path);
}

void LinuxPlatform::stopSound() {
    if (sound_)
        sound_->stop();
}

bool LinuxPlatform::claimSingleInstance(const QString& dataFolder) {
    const QString key = instancekey::of(dataFolder, Qt::CaseSensitive);
    // The session's runtime folder goes away with the session, and the lock with it. In the
    // shared temporary folder the user's own number keeps one user's lock from another's.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString name = QStringLiteral("morvane-%1.lock").arg(key);
    if (folder.isEmpty() || !QFileInfo(folder).isWritable()) {
        folder = QDir::tempPath();
        name = QStringLiteral("morvane-%1-%2.lock").arg(::geteuid()).arg(key);
    }
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    // The kernel's lock on the open file ends with the process, however it ends, so no lock
    // is ever stale; and nothing is written, so the start waits for no disk.
    if (instanceLock_ >= 0)
        ::close(instanceLock_);
    instanceLock_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // Only a lock another copy holds refuses the start; a lock that cannot be had at all (a
    // full or read-only folder, another user's file) must not lock the user out.
    return instanceLock_ < 0 || ::flock(instanceLock_, LOCK_EX | LOCK_NB) == 0 ||
           errno != EWOULDBLOCK;
}

bool LinuxPlatform::startProgram(const QString& path) {
    if (desktopentry::isDesktopEntry(path)) {
        DesktopServices* services = desktop();
        return services && services->launch(path);
    }
    return QProcess::startDetached(path, {});
}

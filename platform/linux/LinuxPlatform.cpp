#include "LinuxPlatform.h"

#include "DesktopSettings.h"
#include "SoundOutput.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QGuiApplication>
#include <QImageReader>
#include <QLibrary>
#include <QProcess>
#include <QScreen>
#include <QStorageInfo>
#include <QWidget>
#include <QWindow>

#include <pwd.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

constexpr int IconPixels = 32;
constexpr int MeminfoBufferSize = 4096;
const QString SoundModule = QStringLiteral("morvane_sound");
const QString OsReleasePath = QStringLiteral("/etc/os-release");

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

// One name for a folder however it is reached: through links, "." or "..". A folder not
// made yet is named by its parent's canonical path.
QString canonicalFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
    return parent.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : QDir(parent).filePath(info.fileName());
}

// An operation whose Linux stand-in is not built yet: it says so and its caller gets a
// failure, never a made-up success.
void notBuiltYet(const char* operation) {
    qWarning("Morvane: %s is not available on Linux yet", operation);
}

} // namespace

LinuxPlatform::LinuxPlatform()
    : meminfo_(QStringLiteral("/proc/meminfo")) {}
LinuxPlatform::~LinuxPlatform() = default;

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
        const QStringList numbers = QString::fromLatin1(names.release).split(u'.');
        version.major = numbers.value(0).toInt();
        version.minor = numbers.value(1).toInt();
        version.build = numbers.value(2).section(u'-', 0, 0).toInt();
    }
    QFile release(OsReleasePath);
    if (release.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : release.readAll().split('\n')) {
            if (line.startsWith("PRETTY_NAME="))
                version.notes = QString::fromUtf8(line.mid(12)).remove(u'"');
        }
    }
    return version;
}

int LinuxPlatform::currentWallpaper(QString& result, QString& failure) {
    return desktopsettings::readPath(desktopsettings::BackgroundSchema, desktopsettings::PictureKey,
                                     result, failure);
}

void LinuxPlatform::setTopmost(QWidget* window, bool topmost) {
    // Changing the window's flags in place keeps it where it is, without a hide and show.
    window->overrideWindowFlags(topmost ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                        : window->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(window->windowFlags());
    if (topmost && window->isVisible())
        window->raise();
}

bool LinuxPlatform::startWindowMove(QWidget* window) {
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
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
    // Only a picture the desktop can show counts as set.
    if (!path.isEmpty() && QImageReader(path).read().isNull())
        return false;
    return desktopsettings::writePath(desktopsettings::BackgroundSchema, path);
}

bool LinuxPlatform::endSession(SessionEnd) {
    notBuiltYet("ending the session");
    return false;
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

QPixmap LinuxPlatform::fileIcon(const QString& path) {
    return QFileIconProvider().icon(QFileInfo(path)).pixmap(IconPixels, IconPixels);
}

SoundOutput* LinuxPlatform::sound() {
    if (!sound_) {
        QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(SoundModule));
        const auto create =
            reinterpret_cast<SoundOutputFactory>(module.resolve(MORVANE_SOUND_FACTORY));
        if (!create) {
            qWarning("No sound: %s", qPrintable(module.errorString()));
            return nullptr;
        }
        sound_.reset(create());
    }
    return sound_.get();
}

void LinuxPlatform::playSound(const QString& path) {
    if (SoundOutput* output = sound())
        output->play(path);
}

void LinuxPlatform::stopSound() {
    if (sound_)
        sound_->stop();
}

std::optional<QList<DirectoryEntry>> LinuxPlatform::listDirectory(const QString&) {
    notBuiltYet("listing a folder");
    return std::nullopt;
}

bool LinuxPlatform::claimSingleInstance(const QString& dataFolder) {
    const QByteArray key =
        QCryptographicHash::hash(canonicalFolder(dataFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    // The session's runtime folder goes away with the session, and the lock with it.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isWritable())
        folder = QDir::tempPath();
    instanceLock_ = std::make_unique<QLockFile>(
        QDir(folder).filePath(QStringLiteral("morvane-%1.lock").arg(QString::fromLatin1(key))));
    instanceLock_->setStaleLockTime(0);
    return instanceLock_->tryLock(0);
}

bool LinuxPlatform::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

#include "WindowsPlatform.h"

#include "platform/InstanceKey.h"
#include "platform/PictureFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <utility>
#include <windows.h>
// After windows.h, which they need.
#include <lmcons.h>
#include <mmsystem.h>
#include <shellapi.h>

namespace {

constexpr int IconPixels = 32;
constexpr DWORD RegistryBufferChars = 512;
const wchar_t DesktopKey[] = L"Control Panel\\Desktop";
const wchar_t WallpaperValue[] = L"Wallpaper";
const QString InstanceMutex = QStringLiteral("Local\\morvane-%1");
using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);

HWND handleOf(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle ? reinterpret_cast<HWND>(handle->winId()) : nullptr;
}

// Lets this process end the session; ExitWindowsEx refuses a power-off without it.
bool enableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool ok =
        LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
        GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return ok;
}

UINT exitFlags(SessionEnd request) {
    switch (request) {
    case SessionEnd::LogOff:
        return EWX_LOGOFF;
    case SessionEnd::PowerOff:
        return EWX_POWEROFF;
    case SessionEnd::Reboot:
        return EWX_REBOOT;
    }
    return EWX_LOGOFF;
}

} // namespace

std::wstring nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

WindowsPlatform::~WindowsPlatform() {
    if (instanceMutex_)
        CloseHandle(instanceMutex_);
}

MemoryStatus WindowsPlatform::memoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return {};
    return {status.ullTotalPhys, status.ullAvailPhys};
}

QString WindowsPlatform::computerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) ? QString::fromWCharArray(name, int(length)) : QString();
}

std::optional<QString> WindowsPlatform::userName() {
    wchar_t name[UNLEN + 1] = {};
    DWORD length = UNLEN + 1; // counts the terminating null on success
    if (!GetUserNameW(name, &length) || length == 0)
        return std::nullopt;
    return QString::fromWCharArray(name, int(length - 1));
}

OsVersion WindowsPlatform::osVersion() {
    // GetVersionEx answers as Windows 8 to a program without a manifest naming later
    // versions; the kernel's own call tells the truth.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    const auto call = reinterpret_cast<RtlGetVersionCall>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (!call || call(&info) != 0)
        return {};
    return {int(info.dwMajorVersion), int(info.dwMinorVersion), int(info.dwBuildNumber),
            QString::fromWCharArray(info.szCSDVersion)};
}

int WindowsPlatform::currentWallpaper(QString& result, QString& /*failure*/) {
    HKEY key = nullptr;
    const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, KEY_QUERY_VALUE, &key);
    if (opened != ERROR_SUCCESS)
        return int(opened);
    wchar_t buffer[RegistryBufferChars] = {};
    DWORD bytes = sizeof buffer;
    DWORD type = 0;
    const LSTATUS queried = RegQueryValueExW(key, WallpaperValue, nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer), &bytes);
    RegCloseKey(key);
    // The text ends at its first null, whatever the value's type or its length says.
    if (queried == ERROR_SUCCESS)
        result = QString::fromWCharArray(buffer, int(wcsnlen(buffer, bytes / sizeof(wchar_t))));
    return int(queried);
}

void WindowsPlatform::setTopmost(QWidget* window, bool topmost) {
    // Qt's flag follows, so a window made later gets the same state; the call itself keeps
    // the window where it is.
    window->overrideWindowFlags(topmost ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                        : window->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (const HWND handle = handleOf(window))
        SetWindowPos(handle, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool WindowsPlatform::startWindowMove(QWidget* window, const QPoint& grip) {
    const HWND handle = handleOf(window);
    if (!handle)
        return false;
    // The press on the caption, as the system's own move loop expects it; posted, so the
    // press handler returns before the loop starts.
    const QPoint screen = window->mapToGlobal(grip) * window->devicePixelRatio();
    ReleaseCapture();
    return PostMessageW(handle, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x(), screen.y()));
}

bool WindowsPlatform::canPlaceWindows() {
    return true;
}

bool WindowsPlatform::canKeepInFront() {
    return true;
}

QPoint WindowsPlatform::windowPlace(const QWidget* window) {
    // Windows tells Qt of every move, the system's own move loop included.
    return window->pos();
}

QSize WindowsPlatform::screenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

QList<QRect> WindowsPlatform::screenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->geometry();
    return areas;
}

ColourDepth WindowsPlatform::colourDepth() {
    const HDC screen = GetDC(nullptr);
    const ColourDepth depth{GetDeviceCaps(screen, BITSPIXEL), GetDeviceCaps(screen, PLANES)};
    ReleaseDC(nullptr, screen);
    return depth;
}

bool WindowsPlatform::setWallpaper(const QString& path) {
    // Only a picture the desktop can show counts as set; its header tells, nothing is decoded.
    if (!path.isEmpty() && !picturefile::Picture(path).ok())
        return false;
    std::wstring name = path.isEmpty() ? std::wstring() : nativePath(path);
    return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, name.data(),
                                 SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

void WindowsPlatform::endSession(SessionEnd request, std::function<void(bool accepted)> answered) {
    // The system starts ending the session and returns; the answer still comes later, as
    // the caller expects of every system.
    const bool accepted = (request == SessionEnd::LogOff || enableShutdownPrivilege()) &&
                          ExitWindowsEx(exitFlags(request), SHTDN_REASON_FLAG_PLANNED);
    QMetaObject::invokeMethod(
        qApp, [answered = std::move(answered), accepted] { answered(accepted); },
        Qt::QueuedConnection);
}

bool WindowsPlatform::openWebPage(const QUrl& url) {
    const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString();
    const std::wstring name = url.isLocalFile() ? nativePath(target) : target.toStdWString();
    // ShellExecute's result is above 32 on success.
    return reinterpret_cast<INT_PTR>(
               ShellExecuteW(nullptr, L"open", name.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

QPixmap WindowsPlatform::fileIcon(const QString& path) {
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return {};
    HICON large = nullptr;
    QPixmap icon;
    if (ExtractIconExW(nativePath(path).c_str(), 0, &large, nullptr, 1) > 0 && large) {
        icon = QPixmap::fromImage(QImage::fromHICON(large));
        DestroyIcon(large);
    }
    // A document has no icon of its own: the one of its type, as Explorer shows it.
    if (icon.isNull())
        icon = QFileIconProvider().icon(file).pixmap(QSize(IconPixels, IconPixels),
                                                     qApp->devicePixelRatio());
    return icon;
}

void WindowsPlatform::playSound(const QString& path) {
    // No name asks for silence. The system reads and plays the file on a thread of its own,
    // and gives its default sound for a file it cannot play.
    if (path.isEmpty())
        return stopSound();
    PlaySoundW(nativePath(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

void WindowsPlatform::stopSound() {
    PlaySoundW(nullptr, nullptr, SND_ASYNC);
}

bool WindowsPlatform::claimSingleInstance(const QString& dataFolder) {
    // A named object of the session: the system frees it when the process ends, however it
    // ends. Only a mutex another copy holds refuses the start.
    if (instanceMutex_)
        CloseHandle(std::exchange(instanceMutex_, nullptr));
    const QString name = InstanceMutex.arg(instancekey::of(dataFolder, Qt::CaseInsensitive));
    instanceMutex_ = CreateMutexW(nullptr, FALSE, name.toStdWString().c_str());
    return !(instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

bool WindowsPlatform::startProgram(const QString& path) {
    // As Explorer opens it: a program, a shortcut or a document with its program.
    const QString folder = QFileInfo(path).absolutePath();
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", nativePath(path).c_str(),
                                                   nullptr, nativePath(folder).c_str(),
                                                   SW_SHOWNORMAL)) > 32;
}

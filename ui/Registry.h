#pragma once

#include <QString>
#include <QtGlobal>

class Platform;
class QWidget;

// Reading one text of the system's settings, with the program's error report.
namespace registry {

inline constexpr quint32 CurrentUser = 0x80000001; // HKEY_CURRENT_USER
inline const QString DesktopKey = QStringLiteral("Control Panel\\Desktop");
inline const QString WallpaperValue = QStringLiteral("Wallpaper");
inline const QString ReadOperation = QStringLiteral("ﾚｼﾞｽﾄﾘからの読込");

// The value's text into result: 0, or the failing call's code with result unchanged. Only
// the wallpaper is known here; anything else is not found (2). An unexpected fault is also
// reported with ErrMsg.
qint32 GetRegStr(Platform& platform, quint32 root, const QString& subkey, const QString& valueName,
                 QString& result, QWidget* parent = nullptr);

// The error report: an error box naming the operation, the error's words and number.
void ErrMsg(QWidget* parent, quint32 number, const QString& description,
            const QString& operation = {});

} // namespace registry

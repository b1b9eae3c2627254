#include "ui/Registry.h"

#include "core/ErrorReport.h"
#include "platform/Platform.h"
#include "ui/Dialogs.h"

namespace registry {
namespace {
constexpr qint32 FileNotFound = 2;
} // namespace

qint32 GetRegStr(Platform& platform, quint32 root, const QString& subkey, const QString& valueName,
                 QString& result, QWidget* parent) {
    if (root != CurrentUser || subkey != DesktopKey || valueName != WallpaperValue)
        return FileNotFound;
    QString failure;
    const int code = platform.currentWallpaper(result, failure);
    if (!failure.isEmpty())
        ErrMsg(parent, quint32(code), failure, ReadOperation);
    return code;
}

void ErrMsg(QWidget* parent, quint32 number, const QString& description, const QString& operation) {
    dialogs::message(parent, errorreport::text(operation, number, description),
                     dialogs::Style::OkError, errorreport::caption());
}

} // namespace registry

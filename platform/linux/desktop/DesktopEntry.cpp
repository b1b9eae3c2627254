// GIO's headers name struct members "signals", which Qt defines as a keyword: they come first.
#include <gio/gdesktopappinfo.h>

#include "DesktopEntry.h"

#include "core/BoundedRead.h"
#include "core/DataFile.h"

#include <memory>

namespace desktopentry {
namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using AppInfo = std::unique_ptr<GDesktopAppInfo, Unref>;

struct KeyFileUnref {
    void operator()(GKeyFile* keys) const { g_key_file_unref(keys); }
};

// GIO would open the path itself, and wait for ever on a FIFO or read a device without end:
// the entry's bytes are read as any file of the user's, capped like a data file, and GIO
// is handed only those.
AppInfo open(const QString& path) {
    const boundedread::Result entry = boundedread::read(path, datafile::MaxFileBytes);
    if (!entry.ok())
        return {};
    const std::unique_ptr<GKeyFile, KeyFileUnref> keys(g_key_file_new());
    if (!g_key_file_load_from_data(keys.get(), entry.bytes.constData(), gsize(entry.bytes.size()),
                                   G_KEY_FILE_NONE, nullptr))
        return {};
    return AppInfo(g_desktop_app_info_new_from_keyfile(keys.get()));
}

} // namespace

bool launch(const QString& path) {
    const AppInfo info = open(path);
    if (!info)
        return false;
    GError* error = nullptr;
    const bool started = g_app_info_launch(G_APP_INFO(info.get()), nullptr, nullptr, &error);
    if (error) {
        qWarning("%s: %s", qPrintable(path), error->message);
        g_error_free(error);
    }
    return started;
}

QString iconName(const QString& path) {
    const AppInfo info = open(path);
    if (!info)
        return {};
    GIcon* icon = g_app_info_get_icon(G_APP_INFO(info.get())); // owned by info
    if (!icon)
        return {};
    if (G_IS_FILE_ICON(icon)) {
        char* file = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon)));
        const QString result = QString::fromLocal8Bit(file);
        g_free(file);
        return result;
    }
    if (G_IS_THEMED_ICON(icon)) {
        const gchar* const* names = g_themed_icon_get_names(G_THEMED_ICON(icon));
        if (names && names[0])
            return QString::fromUtf8(names[0]);
    }
    return {};
}

} // namespace desktopentry

// The entry point of the desktop module.
#include "DesktopEntry.h"
#include "DesktopSettings.h"
#include "platform/linux/DesktopServices.h"

namespace {

class GioDesktop final : public DesktopServices {
public:
    bool launch(const QString& path) override { return desktopentry::launch(path); }
    QString iconName(const QString& path) override { return desktopentry::iconName(path); }
    int readPath(const char* schema, const char* key, QString& result, QString& failure) override {
        return desktopsettings::readPath(schema, key, result, failure);
    }
    bool writePath(const char* schema, const QString& path) override {
        return desktopsettings::writePath(schema, path);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT DesktopServices* morvane_create_desktop_services() {
    return new GioDesktop();
}

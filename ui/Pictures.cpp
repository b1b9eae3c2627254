#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>

// The pictures live in a static library, so their resource must be pulled in by hand.
static void loadPicturesResource() {
    Q_INIT_RESOURCE(pictures);
}

namespace pictures {
namespace {

const QString Prefix = QStringLiteral(":/pictures/");
const QString Large = QStringLiteral("@2x");
constexpr qreal LargeRatio = 2.0;

void ensureLoaded() {
    static const bool loaded = (loadPicturesResource(), true);
    Q_UNUSED(loaded);
}

QPixmap read(const QString& name) {
    ensureLoaded();
    // The format is known: guessing it would load every image plugin of the system.
    QImageReader reader(Prefix + name, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap load(const QString& name) {
    return loadFor(name, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap loadFor(const QString& name, qreal screenRatio) {
    ensureLoaded();
    if (screenRatio > 1 && QFile::exists(Prefix + name + Large)) {
        QPixmap large = read(name + Large);
        large.setDevicePixelRatio(LargeRatio);
        return large;
    }
    return read(name);
}

QIcon icon(const QString& name) {
    QIcon icon;
    icon.addPixmap(read(name));
    // The large one by hand: Qt looks for the @2x file only on a screen already scaled.
    if (QFile::exists(Prefix + name + Large))
        icon.addPixmap(loadFor(name, LargeRatio));
    return icon;
}

} // namespace pictures

#include "Pictures.h"

#include <QFile>
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

} // namespace

QPixmap load(const QString& name) {
    ensureLoaded();
    // The format is known: guessing it would load every image plugin of the system.
    QImageReader reader(Prefix + name, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon icon(const QString& name) {
    QIcon icon;
    icon.addPixmap(load(name));
    // The large one by hand: Qt looks for the @2x file only on a screen already scaled.
    if (QFile::exists(Prefix + name + Large)) {
        QPixmap large = load(name + Large);
        large.setDevicePixelRatio(LargeRatio);
        icon.addPixmap(large);
    }
    return icon;
}

} // namespace pictures

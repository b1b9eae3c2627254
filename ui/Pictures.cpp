#include "Pictures.h"

#include <QFile>

// The pictures live in a static library, so their resource must be pulled in by hand.
static void loadPicturesResource() {
    Q_INIT_RESOURCE(pictures);
}

namespace pictures {
namespace {
void ensureLoaded() {
    static const bool loaded = (loadPicturesResource(), true);
    Q_UNUSED(loaded);
}
} // namespace

QPixmap load(const QString& name) {
    ensureLoaded();
    return QPixmap(QStringLiteral(":/pictures/") + name);
}

QIcon icon(const QString& name) {
    ensureLoaded();
    // Both sizes by hand: Qt looks for the @2x file only on a screen already scaled.
    QIcon icon(QStringLiteral(":/pictures/") + name);
    const QString large = QStringLiteral(":/pictures/%1@2x").arg(name);
    if (QFile::exists(large))
        icon.addFile(large);
    return icon;
}

} // namespace pictures

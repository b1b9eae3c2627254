#include "Pictures.h"

#include <QFile>

// The pictures live in a static library, so their resource must be pulled in by hand.
static void loadPicturesResource() { Q_INIT_RESOURCE(pictures); }

namespace pictures {
namespace {

const QString Prefix = QStringLiteral(":/pictures/");
const QString Large = QStringLiteral("@2x");
constexpr qreal LargeRatio = 2.0;

void ensureLoaded()
{
    static const bool loaded = (loadPicturesResource(), true);
    Q_UNUSED(loaded);
}

} // namespace

QPixmap load(const QString& name)
{
    ensureLoaded();
    // Naming the format spares Qt from loading every image plugin to guess it.
    return QPixmap(Prefix + name, "PNG");
}

QIcon icon(const QString& name)
{
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

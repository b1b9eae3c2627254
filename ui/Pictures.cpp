#include "ui/Pictures.h"

#include <QAccessible>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
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

namespace {

QIcon readIcon(const QString& name) {
    QIcon icon;
    icon.addPixmap(read(name));
    // The large one by hand: Qt looks for the @2x file only on a screen already scaled.
    if (QFile::exists(Prefix + name + Large))
        icon.addPixmap(loadFor(name, LargeRatio));
    return icon;
}

// An icon read when first drawn: a button made before it is seen, or never seen at all,
// decodes nothing.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(const QString& name)
        : name_(name) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new PictureIconEngine(name_); }

private:
    const QIcon& loaded() {
        if (icon_.isNull())
            icon_ = readIcon(name_);
        return icon_;
    }

    const QString name_;
    QIcon icon_;
};

} // namespace

QIcon icon(const QString& name) {
    // One icon per picture for the whole run. The style keeps what it draws of an icon in
    // the pixmap cache under the icon's own key, so icons made anew at every opening of
    // the function screen left a copy there each time, until the cache was full. Never
    // freed: the program ends without unwinding, and the pictures are few and small.
    static auto* const icons = new QHash<QString, QIcon>;
    auto known = icons->constFind(name);
    if (known == icons->constEnd())
        known = icons->insert(name, QIcon(new PictureIconEngine(name)));
    return *known;
}

void announceChange(QLabel* label) {
    // Asking for the interface would make one for every picture of the start.
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent state(label, changed);
    QAccessible::updateAccessibility(&state);
    QAccessibleEvent name(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent description(label, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

} // namespace pictures

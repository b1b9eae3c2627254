// Draws the program's desktop icon, the logo's clock face on the window's navy panel, at
// each hicolor size. Run by hand after changing the design (see ../README.md); the PNGs are
// committed, so building the program never needs this tool.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>

namespace {

// The logo's colours.
const QColor NavyTop(0x16, 0x28, 0x4f);
const QColor NavyBottom(0x0d, 0x1b, 0x3a);
const QColor BevelLight(0x3a, 0x55, 0x96);
const QColor Ink(0xe8, 0xee, 0xfc);
const QColor Amber(0xff, 0xc8, 0x3d);
const QColor Cyan(0x4f, 0xd8, 0xff);

const int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The design is drawn on a 64-unit square and scaled to each size.
constexpr qreal Units = 64;
constexpr qreal Corner = 12;
const QPointF Centre(32, 32);
constexpr qreal RingRadius = 24;

QColor withAlpha(QColor colour, qreal alpha) {
    colour.setAlphaF(alpha);
    return colour;
}

void panel(QPainter& p) {
    const QRectF square(1, 1, Units - 2, Units - 2);
    QLinearGradient fill(square.topLeft(), square.bottomLeft());
    fill.setColorAt(0, NavyTop);
    fill.setColorAt(1, NavyBottom);
    p.setPen(QPen(BevelLight, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(square, Corner, Corner);
}

void face(QPainter& p, bool detailed) {
    QRadialGradient glow(Centre, RingRadius + 6);
    glow.setColorAt(0.7, withAlpha(Cyan, 0.0));
    glow.setColorAt(0.85, withAlpha(Cyan, 0.3));
    glow.setColorAt(1.0, withAlpha(Cyan, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(Centre, RingRadius + 6, RingRadius + 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Cyan, detailed ? 2.5 : 4));
    p.drawEllipse(Centre, RingRadius, RingRadius);
    if (!detailed)
        return;
    for (int hour = 0; hour < 12; ++hour) {
        p.save();
        p.translate(Centre);
        p.rotate(hour * 30);
        p.setPen(QPen(Ink, hour % 3 == 0 ? 3 : 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, -RingRadius + 3), QPointF(0, hour % 3 == 0 ? -17 : -19));
        p.restore();
    }
}

void hands(QPainter& p, bool detailed) {
    const auto hand = [&](qreal degrees, qreal length, const QPen& pen) {
        p.save();
        p.translate(Centre);
        p.rotate(degrees);
        p.setPen(pen);
        p.drawLine(QPointF(0, 0), QPointF(0, -length));
        p.restore();
    };
    const qreal scale = detailed ? 1 : 1.6;
    hand(-55, 12, QPen(Ink, 4.5 * scale, Qt::SolidLine, Qt::RoundCap));
    hand(58, 18, QPen(Ink, 3 * scale, Qt::SolidLine, Qt::RoundCap));
    if (detailed)
        hand(200, 20, QPen(Amber, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    p.setBrush(Amber);
    p.drawEllipse(Centre, 2.5 * scale, 2.5 * scale);
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Units, size / Units);
    // Below 32 pixels the ticks and the second hand would only blur the face.
    const bool detailed = size >= 32;
    panel(p);
    face(p, detailed);
    hands(p, detailed);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s HICOLOR_DIR\n", argv[0]);
        return 2;
    }
    const QDir hicolor(QString::fromLocal8Bit(argv[1]));
    for (int size : Sizes) {
        const QString folder = hicolor.filePath(QStringLiteral("%1x%1/apps").arg(size));
        if (!QDir().mkpath(folder) || !icon(size).save(folder + QStringLiteral("/morvane.png"))) {
            std::fprintf(stderr, "cannot write the %d-pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}

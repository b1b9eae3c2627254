// Draws every picture the clock uses into one folder. Run by hand after changing a design (see
// ../README.md); the PNGs are committed, so building the program never needs this tool.

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

// Window palette: navy panel lit from the top left.
const QColor kNavyTop(0x16, 0x28, 0x4f);
const QColor kNavyBottom(0x0d, 0x1b, 0x3a);
const QColor kBevelLight(0x3a, 0x55, 0x96);
const QColor kBevelDark(0x05, 0x0c, 0x1e);
// A second, softer bevel row keeps the frame from looking engraved.
const QColor kSoftLight(0x22, 0x37, 0x6a);
const QColor kSoftDark(0x0a, 0x14, 0x2e);
const QColor kRecessTop(0x07, 0x10, 0x2a);
const QColor kRecessBottom(0x0b, 0x17, 0x36);
const QColor kRecessRim(0x2a, 0x40, 0x76);
const QColor kKeyTop(0x23, 0x3c, 0x74);
const QColor kKeyBottom(0x14, 0x28, 0x53);
const QColor kInk(0xe8, 0xee, 0xfc);
const QColor kAmber(0xff, 0xc8, 0x3d);
const QColor kCyan(0x4f, 0xd8, 0xff);

// Page-icon palette: these sit on a light grey button face, so they are drawn dark on light.
const QColor kLine(0x17, 0x2c, 0x62);
const QColor kBlue(0x2d, 0x6c, 0xd2);
const QColor kBlueDeep(0x1b, 0x3f, 0x8c);
const QColor kPaper(0xfb, 0xfc, 0xff);
const QColor kPaperShade(0xd9, 0xe2, 0xf3);
const QColor kSkyLight(0xd8, 0xef, 0xff);
const QColor kSkyDeep(0x62, 0xae, 0xea);
const QColor kCyanDeep(0x12, 0xa4, 0xd8);
const QColor kAmberDeep(0xf2, 0xa9, 0x1c);

QString gOutDir;
int gWritten = 0;

QColor withAlpha(QColor c, qreal a) {
    c.setAlphaF(a);
    return c;
}

void save(const QImage& img, const QString& name) {
    const QString path = gOutDir + '/' + name + ".png";
    // RGB32 images are written as 24-bit RGB: Qt adds an alpha channel only when the format has
    // one.
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    ++gWritten;
}

// Device pixels per design pixel of the pictures being drawn: 1, then 2 for the @2x set. The
// painters draw in design pixels either way, so the @2x pictures carry twice the detail
// instead of being enlarged.
qreal gScale = 1;

QImage scaledImage(int w, int h, QImage::Format format) {
    QImage img(qRound(w * gScale), qRound(h * gScale), format);
    img.setDevicePixelRatio(gScale);
    return img;
}

// The picture's rectangle in design pixels.
QRect area(const QImage& img) {
    return QRect(QPoint(0, 0), img.deviceIndependentSize().toSize());
}

QImage opaqueImage(int w, int h) {
    QImage img = scaledImage(w, h, QImage::Format_RGB32);
    img.fill(kNavyBottom);
    return img;
}

QImage clearImage(int w, int h) {
    QImage img = scaledImage(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void vGradient(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, r.top(), 0, r.bottom() + 1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// 1px edges inside r; the dark edges are drawn last so they own the two mixed corners.
void bevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

void raisedPanel(QPainter& p, const QRect& r) {
    vGradient(p, r, kNavyTop, kNavyBottom);
    bevel(p, r, kBevelLight, kBevelDark);
    bevel(p, r.adjusted(1, 1, -1, -1), kSoftLight, kSoftDark);
}

// A well for text and digits, shaded as if cut into the panel.
void recess(QPainter& p, const QRect& r) {
    vGradient(p, r, kRecessTop, kRecessBottom);
    bevel(p, r, kBevelDark, kRecessRim);
}

// A hairline that fades out at both ends, used as a quiet ornament.
void fadingRule(QPainter& p, int x0, int x1, int y, const QColor& c) {
    QLinearGradient g(x0, 0, x1 + 1, 0);
    g.setColorAt(0, withAlpha(c, 0));
    g.setColorAt(0.5, c);
    g.setColorAt(1, withAlpha(c, 0));
    p.fillRect(QRect(x0, y, x1 - x0 + 1, 1), g);
}

// ---------------------------------------------------------------------------------------------
// Window backgrounds

// The standard and smallest modes share one design; the smallest is the standard cut short,
// without the memory panel.
QImage clockWindow(int w) {
    const int h = 69;
    QImage img = opaqueImage(w, h);
    QPainter p(&img);
    raisedPanel(p, area(img));

    // Title band: a slightly raised sheen rather than a well, so it reads as the window's grip
    // when empty and still carries a caption when one is shown.
    const QRect title(QPoint(3, 3), QPoint(w - 4, 18));
    vGradient(p, title, QColor(0x21, 0x3a, 0x72), QColor(0x15, 0x2a, 0x57));
    fadingRule(p, title.left(), title.right(), title.top(), withAlpha(kBevelLight, 0.9));
    fadingRule(p, title.left(), title.right(), title.bottom(), withAlpha(kCyan, 0.35));

    const QRect clock(QPoint(4, 20), QPoint(150, 66));
    recess(p, clock);
    // Faint glass sheen over the upper half of the digits.
    vGradient(p, QRect(QPoint(5, 21), QPoint(149, 37)), withAlpha(kInk, 0.045),
              withAlpha(kInk, 0.0));

    if (w > 200) {
        const QRect memory(QPoint(187, 27), QPoint(w - 3, 66));
        recess(p, memory);
        vGradient(p, memory.adjusted(1, 1, -1, -30), withAlpha(kInk, 0.04), withAlpha(kInk, 0));
        fadingRule(p, 189, w - 5, 23, withAlpha(kCyan, 0.45));
        // Trough for the usage bar.
        const QRect trough(QPoint(190, 56), QPoint(w - 6, 65));
        p.fillRect(trough, QColor(0x04, 0x0a, 0x1b));
        bevel(p, trough, kBevelDark, QColor(0x1c, 0x2e, 0x5a));
    }
    return img;
}

QImage stripWindow() {
    QImage img = opaqueImage(271, 20);
    QPainter p(&img);
    raisedPanel(p, area(img));
    recess(p, QRect(QPoint(2, 2), QPoint(233, 17)));
    vGradient(p, QRect(QPoint(3, 3), QPoint(232, 8)), withAlpha(kInk, 0.05), withAlpha(kInk, 0));
    return img;
}

// ---------------------------------------------------------------------------------------------
// Small window buttons: drawn 1:1 from pixel masks so they stay sharp at the size shown.

using Mask = std::vector<const char*>;
using Inks = std::map<char, QColor>;

bool maskLit(const Mask& m, int x, int y) {
    if (y < 0 || y >= int(m.size()) || x < 0 || x >= int(std::strlen(m[y])))
        return false;
    return m[y][x] != '.';
}

void stamp(QPainter& p, int x0, int y0, const Mask& m, const Inks& inks) {
    for (int y = 0; y < int(m.size()); ++y)
        for (int x = 0; m[y][x]; ++x) {
            const auto it = inks.find(m[y][x]);
            if (it != inks.end())
                p.fillRect(QRect(x0 + x, y0 + y, 1, 1), it->second);
        }
}

// Soft light spilling from a glyph onto the face around it, so a lit lamp glows rather than
// merely being yellow.
void halo(QPainter& p, int x0, int y0, const Mask& m, const QColor& c) {
    const int h = int(m.size());
    const int w = int(std::strlen(m[0]));
    for (int y = -2; y < h + 2; ++y)
        for (int x = -2; x < w + 2; ++x) {
            if (maskLit(m, x, y))
                continue;
            qreal s = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    if (maskLit(m, x + dx, y + dy))
                        s = std::max(s, 0.24 / (dx * dx + dy * dy));
            if (s > 0.05)
                p.fillRect(QRect(x0 + x, y0 + y, 1, 1), withAlpha(c, std::min(s, 0.24)));
        }
}

QImage keyFace(int w, int h) {
    QImage img = opaqueImage(w, h);
    QPainter p(&img);
    vGradient(p, area(img), kKeyTop, kKeyBottom);
    bevel(p, area(img), kBevelLight, kBevelDark);
    return img;
}

// One character a pixel; '.' and any character without an ink leave the key face showing.
const Inks& glyphInks() {
    static const Inks inks = {
        {'#', kInk},
        {'+', withAlpha(kInk, 0.5)},
        {':', withAlpha(kInk, 0.16)},
        {'c', kCyan},
        {'-', withAlpha(kCyan, 0.5)},
        {'=', QColor(0xa8, 0xb8, 0xde)},
        {'~', withAlpha(QColor(0xa8, 0xb8, 0xde), 0.5)},
        {'k', QColor(0x10, 0x20, 0x46)},
    };
    return inks;
}

QImage keyWithGlyph(int w, int h, int x0, int y0, const Mask& m) {
    QImage img = keyFace(w, h);
    QPainter p(&img);
    stamp(p, x0, y0, m, glyphInks());
    return img;
}

// clang-format off
// Size buttons show the silhouette of the window each mode gives.
const Mask kSmallWindow = {
    "ccccccc",
    "#:::::#",
    "#:::::#",
    "#:::::#",
    "#######",
};
const Mask kStandardWindow = {
    "ccccccccccc",
    "#::::::+::#",
    "#::::::+::#",
    "#::::::+::#",
    "###########",
};
const Mask kStripWindow = {
    "cccccccccc",
    "#::::::::#",
    "##########",
};
const Mask kLockClosed = {
    ".~===~.",
    ".=...=.",
    ".=...=.",
    ".=...=.",
    "#######",
    "###k###",
    "###k###",
    "#######",
    "+#####+",
};
const Mask kLockOpen = {
    ".~===~.",
    ".=...=.",
    ".=...~.",
    ".=.....",
    ".=.....",
    "#######",
    "###k###",
    "###k###",
    "#######",
    "+#####+",
};
const Mask kBell = {
    "...aa...",
    "..haab..",
    ".-haab-.",
    ".haaaab.",
    ".haaaab.",
    "-haaaab-",
    "haaaaaab",
    "...bb...",
};
const Mask kBars = {
    "+#######+",
    ".........",
    ".........",
    "+#######+",
    ".........",
    ".........",
    "+#######+",
};
const Mask kDropTriangle = {
    "########",
    ".######.",
    "..####..",
    "...##...",
};
const Mask kTiles = {
    "ccc.###.###",
    "ccc.###.###",
    "ccc.###.###",
    "...........",
    "###.###.###",
    "###.###.###",
    "###.###.###",
};
const Mask kGear = {
    "....###....",
    ".##.###.##.",
    ".#########.",
    "..#######..",
    "####...####",
    "####...####",
    "####...####",
    "..#######..",
    ".#########.",
    ".##.###.##.",
    "....###....",
};
const Mask kPower = {
    "....#....",
    ".#+.#.+#.",
    "+#..#..#+",
    "#...#...#",
    "#...#...#",
    "#.......#",
    "+#.....#+",
    ".#+...+#.",
    "..+###+..",
};
// clang-format on

QImage bellKey(bool lit) {
    QImage img = keyFace(14, 12);
    QPainter p(&img);
    Inks inks;
    if (lit) {
        p.setClipRect(area(img).adjusted(1, 1, -1, -1));
        halo(p, 3, 2, kBell, kAmber);
        p.setClipping(false);
        inks = {{'a', kAmber},
                {'h', QColor(0xff, 0xe9, 0xa6)},
                {'b', QColor(0xd9, 0x95, 0x12)},
                {'-', withAlpha(kAmber, 0.55)}};
    } else {
        inks = {{'a', QColor(0x5e, 0x70, 0x9c)},
                {'h', QColor(0x7a, 0x8b, 0xb4)},
                {'b', QColor(0x46, 0x57, 0x83)},
                {'-', withAlpha(QColor(0x5e, 0x70, 0x9c), 0.55)}};
    }
    stamp(p, 3, 2, kBell, inks);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Function-screen page icons. Laid out on a 16-unit grid and rendered at 16 and 32 pixels; edges
// fall on whole units so both sizes are sharp, and the 32-pixel icons get finer detail.

struct IconCanvas {
    QImage img;
    QPainter p;
    qreal u;    // pixels per unit
    qreal hair; // one pixel, in units
    bool big;
    explicit IconCanvas(int size)
        : img(clearImage(size, size))
        , p(&img) {
        u = size / 16.0;
        hair = 1.0 / u;
        big = size > 16;
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(u, u);
        p.setPen(Qt::NoPen);
    }
};

// Single device pixels, for the few 16-pixel details that a vector diagonal would blur.
void pixel(IconCanvas& c, int x, int y, const QColor& colour) {
    c.p.save();
    c.p.resetTransform();
    c.p.fillRect(QRect(x, y, 1, 1), colour);
    c.p.restore();
}

// A diagonal two pixels thick at 16 pixels: a full pixel staircase with half-tone shoulders.
void pixelDiagonal(IconCanvas& c, int x0, int y0, int steps, int dx, const QColor& colour) {
    for (int i = 0; i < steps; ++i) {
        pixel(c, x0 + i * dx, y0 + i, colour);
        if (i + 1 < steps) {
            pixel(c, x0 + (i + 1) * dx, y0 + i, withAlpha(colour, colour.alphaF() * 0.45));
            pixel(c, x0 + i * dx, y0 + i + 1, withAlpha(colour, colour.alphaF() * 0.45));
        }
    }
}

QLinearGradient diagonal(const QRectF& r, const QColor& a, const QColor& b) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient vertical(const QRectF& r, const QColor& a, const QColor& b) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// Outlined shapes: the outline colour is filled first and the inset face on top, which keeps
// the outline exactly one unit wide without any half-pixel stroke.
void box(QPainter& p, const QRectF& r, qreal radius, const QBrush& face, qreal border = 1.0) {
    p.setBrush(kLine);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(face);
    const qreal inner = std::max<qreal>(0, radius - border);
    p.drawRoundedRect(r.adjusted(border, border, -border, -border), inner, inner);
}

void disc(QPainter& p, const QRectF& r, const QBrush& face, qreal border = 1.0) {
    p.setBrush(kLine);
    p.drawEllipse(r);
    p.setBrush(face);
    p.drawEllipse(r.adjusted(border, border, -border, -border));
}

// Glass highlight across the top of a round button.
void gloss(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, withAlpha(Qt::white, 0.55));
    g.setColorAt(1, withAlpha(Qt::white, 0.0));
    p.setBrush(g);
    p.drawEllipse(r);
}

QImage pageClose(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    const QRectF r(1, 1, 14, 14);
    disc(p, r, diagonal(r, QColor(0xe8, 0x6b, 0x5e), QColor(0xa8, 0x2c, 0x24)));
    gloss(p, QRectF(3, 2, 10, 6));
    if (c.big) {
        p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    } else {
        pixelDiagonal(c, 5, 5, 6, 1, Qt::white);
        pixelDiagonal(c, 10, 5, 6, -1, Qt::white);
    }
    return c.img;
}

QImage pageSystem(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    const QRectF screen(2, 3, 12, 8);
    box(p, QRectF(1, 2, 14, 10), 1, diagonal(screen, kSkyLight, kSkyDeep));
    // Reflection across the glass.
    QPainterPath glare;
    glare.moveTo(2, 3);
    glare.lineTo(10, 3);
    glare.lineTo(4, 11);
    glare.lineTo(2, 11);
    glare.closeSubpath();
    p.setBrush(withAlpha(Qt::white, 0.35));
    p.drawPath(glare);
    if (c.big) {
        // Taskbar along the bottom of the screen.
        p.setBrush(withAlpha(kBlueDeep, 0.55));
        p.drawRect(QRectF(2, 10, 12, 1));
        p.setBrush(kCyanDeep);
        p.drawRect(QRectF(2.5, 10.25, 1.5, 0.5));
    }
    p.setBrush(kLine);
    p.drawRect(QRectF(7, 12, 2, 2));
    p.drawRoundedRect(QRectF(4, 13, 8, c.big ? 1.5 : 1), 0.5, 0.5);
    return c.img;
}

QImage pageDrives(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    for (qreal y : {2.0, 9.0}) {
        const QRectF body(1, y, 14, 5);
        box(p, body, 1.2, vertical(body, kPaper, QColor(0xb4, 0xc1, 0xdc)));
        p.setBrush(withAlpha(kLine, 0.55));
        p.drawRect(QRectF(3, y + 2, 6, 1));
        p.setBrush(kCyanDeep);
        p.drawRect(QRectF(11, y + 2, 2, 1));
    }
    return c.img;
}

QImage pageWallpaper(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    const QRectF inner(2, 3, 12, 10);
    box(p, QRectF(1, 2, 14, 12), 1, vertical(inner, kSkyLight, kSkyDeep));
    p.save();
    p.setClipRect(inner);
    p.setBrush(kAmberDeep);
    p.drawEllipse(QRectF(10, 4, 3, 3));
    QPainterPath far;
    far.moveTo(2, 13);
    far.lineTo(2, 10);
    far.lineTo(5, 7);
    far.lineTo(8, 10);
    far.lineTo(10, 8);
    far.lineTo(14, 12);
    far.lineTo(14, 13);
    far.closeSubpath();
    p.setBrush(QColor(0x7d, 0xa0, 0xdc));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(2, 13);
    near.lineTo(2, 12);
    near.lineTo(6, 9);
    near.lineTo(9, 11);
    near.lineTo(11, 10);
    near.lineTo(14, 12);
    near.lineTo(14, 13);
    near.closeSubpath();
    p.setBrush(kBlueDeep);
    p.drawPath(near);
    if (c.big) {
        // Snow on the far peak.
        QPainterPath cap;
        cap.moveTo(5, 7);
        cap.lineTo(6.5, 8.5);
        cap.lineTo(5.5, 8.25);
        cap.lineTo(5, 8.75);
        cap.lineTo(4.5, 8.25);
        cap.lineTo(3.5, 8.5);
        cap.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(cap);
    }
    p.restore();
    return c.img;
}

QImage pageAlarm(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    // Face centred on a pixel centre so the hands are one clean pixel column wide at 16.
    const qreal cx = 7.5, cy = 8.5;
    if (c.big) {
        p.setPen(QPen(kLine, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 13), QPointF(2.5, 15));
        p.drawLine(QPointF(11, 13), QPointF(12.5, 15));
        p.setPen(Qt::NoPen);
        disc(p, QRectF(1, 1, 5, 5),
             vertical(QRectF(1, 1, 5, 5), QColor(0xff, 0xe0, 0x8a), kAmberDeep));
        disc(p, QRectF(9, 1, 5, 5),
             vertical(QRectF(9, 1, 5, 5), QColor(0xff, 0xe0, 0x8a), kAmberDeep));
    } else {
        for (int x : {3, 11})
            pixel(c, x, 13, kLine);
        for (int x : {2, 12})
            pixel(c, x, 14, kLine);
        // Too small for an outline: plain amber domes.
        p.setBrush(kAmberDeep);
        p.drawEllipse(QRectF(1, 1, 4, 4));
        p.drawEllipse(QRectF(10, 1, 4, 4));
    }
    const QRectF face(cx - 5.5, cy - 5.5, 11, 11);
    disc(p, face, vertical(face, kPaper, kPaperShade));
    p.setBrush(kLine);
    if (c.big) {
        for (int i = 0; i < 12; i += 3) {
            p.save();
            p.translate(cx, cy);
            p.rotate(i * 30);
            p.drawRect(QRectF(-0.25, -4.25, 0.5, 1));
            p.restore();
        }
        p.drawRect(QRectF(cx - 0.25, cy - 3.5, 0.5, 3.5));
        p.drawRect(QRectF(cx, cy - 0.25, 2.5, 0.5));
        p.setBrush(QColor(0xd2, 0x3b, 0x2f));
        p.drawEllipse(QPointF(cx, cy), 0.6, 0.6);
    } else {
        p.drawRect(QRectF(7, 5, 1, 4));
        p.drawRect(QRectF(7, 8, 3, 1));
    }
    return c.img;
}

QImage pageSearch(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    QPainterPath page;
    page.moveTo(2, 1);
    page.lineTo(9, 1);
    page.lineTo(12, 4);
    page.lineTo(12, 14);
    page.lineTo(2, 14);
    page.closeSubpath();
    p.setBrush(kLine);
    p.drawPath(page);
    QPainterPath paper;
    paper.moveTo(3, 2);
    paper.lineTo(8.6, 2);
    paper.lineTo(11, 4.4);
    paper.lineTo(11, 13);
    paper.lineTo(3, 13);
    paper.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(paper);
    QPainterPath fold;
    fold.moveTo(8.5, 1.5);
    fold.lineTo(8.5, 4.5);
    fold.lineTo(11.5, 4.5);
    fold.closeSubpath();
    p.setBrush(kLine);
    p.drawPath(fold);
    p.setBrush(withAlpha(kLine, 0.4));
    if (c.big) {
        for (qreal y = 5.5; y < 12; y += 1.5)
            p.drawRect(QRectF(4, y, y < 7 ? 3.5 : 5.5, 0.5));
    } else {
        for (int y = 6; y <= 10; y += 2)
            p.drawRect(QRectF(4, y, 4, 1));
    }
    // Magnifier over the lower right.
    if (c.big) {
        p.setPen(QPen(kLine, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 13), QPointF(14.5, 14.5));
        p.setPen(Qt::NoPen);
    } else {
        pixelDiagonal(c, 12, 12, 3, 1, kLine);
    }
    const QRectF lens(7, 7, 7, 7);
    disc(p, lens, withAlpha(QColor(0xb4, 0xec, 0xff), 0.85));
    gloss(p, QRectF(8.5, 8, 3.5, 2.5));
    return c.img;
}

QImage pageSettings(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    const qreal knobs[] = {8, 3, 10};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 3 + 5 * i;
        const qreal kx = knobs[i];
        p.setBrush(QColor(0x8e, 0x9c, 0xc0));
        p.drawRect(QRectF(1, y, 14, 1));
        p.setBrush(kBlue);
        p.drawRect(QRectF(1, y, kx, 1));
        const QRectF knob(kx, y - 2, 4, 5);
        box(p, knob, 0.8, vertical(knob, Qt::white, kPaperShade));
    }
    return c.img;
}

QImage pageInfo(int size) {
    IconCanvas c(size);
    QPainter& p = c.p;
    const QRectF r(1, 1, 14, 14);
    disc(p, r, diagonal(r, QColor(0x5b, 0x95, 0xec), kBlueDeep));
    gloss(p, QRectF(3, 2, 10, 6));
    p.setBrush(Qt::white);
    if (c.big)
        p.drawRoundedRect(QRectF(7, 4, 2, 2), 0.6, 0.6);
    else
        p.drawRect(QRectF(7, 4, 2, 2));
    p.drawRect(QRectF(7, 7, 2, 5));
    if (c.big) {
        // Serifs.
        p.drawRect(QRectF(6, 7, 1, 0.5));
        p.drawRect(QRectF(6, 11.5, 4, 0.5));
    }
    return c.img;
}

// Transport buttons for the alarm sound preview.
QImage transport(bool play) {
    QImage img = opaqueImage(27, 16);
    QPainter p(&img);
    vGradient(p, area(img), kNavyTop, kNavyBottom);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xf8, 0xff));
    if (play) {
        // Offset so the triangle's centre of mass, not its box, sits in the middle.
        QPainterPath t;
        t.moveTo(11, 3);
        t.lineTo(19, 8);
        t.lineTo(11, 13);
        t.closeSubpath();
        p.drawPath(t);
    } else {
        p.drawRoundedRect(QRectF(9, 4, 8, 8), 0.8, 0.8);
    }
    return img;
}

// ---------------------------------------------------------------------------------------------
// Start-up logo

QFont pickFont(const QString& family, int pixelSize, int weight) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::Weight(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    // Qt may append the foundry, as in "URW Gothic [urw]".
    if (!QFontInfo(f).family().startsWith(family))
        std::fprintf(stderr, "warning: font \"%s\" missing, logo will differ\n",
                     qPrintable(family));
    return f;
}

QImage logo() {
    QImage img = opaqueImage(400, 220);
    QPainter p(&img);
    raisedPanel(p, area(img));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setClipRect(area(img).adjusted(2, 2, -2, -2));

    const QPointF centre(90, 100);
    // Light pooling behind the clock.
    QRadialGradient pool(centre, 150);
    pool.setColorAt(0, withAlpha(QColor(0x2a, 0x4a, 0x8e), 0.55));
    pool.setColorAt(1, withAlpha(QColor(0x2a, 0x4a, 0x8e), 0.0));
    p.fillRect(area(img), pool);
    // Ripples spreading from the clock.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(withAlpha(kInk, 0.06 - i * 0.012), 1));
        const qreal r = 70 + i * 26;
        p.drawEllipse(centre, r, r);
    }

    // Clock face.
    QRadialGradient glow(centre, 56);
    glow.setColorAt(0.75, withAlpha(kCyan, 0.0));
    glow.setColorAt(0.86, withAlpha(kCyan, 0.16));
    glow.setColorAt(1.0, withAlpha(kCyan, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 56, 56);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kCyan, 0.9), 1.6));
    p.drawEllipse(centre, 47, 47);
    p.setPen(QPen(withAlpha(kBevelLight, 0.8), 1));
    p.drawEllipse(centre, 52, 52);
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        const bool quarter = i % 15 == 0;
        p.save();
        p.translate(centre);
        p.rotate(i * 6);
        if (quarter)
            p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::FlatCap));
        else if (hour)
            p.setPen(QPen(withAlpha(kInk, 0.8), 1.2, Qt::SolidLine, Qt::FlatCap));
        else
            p.setPen(QPen(withAlpha(kInk, 0.22), 0.8, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, -43), QPointF(0, quarter ? -35 : hour ? -38 : -41));
        p.restore();
    }
    auto hand = [&](qreal degrees, qreal length, qreal tail, const QPen& pen) {
        p.save();
        p.translate(centre);
        p.rotate(degrees);
        p.setPen(pen);
        p.drawLine(QPointF(0, tail), QPointF(0, -length));
        p.restore();
    };
    hand(-55, 24, 4, QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
    hand(58, 36, 5, QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap));
    hand(200, 40, 10, QPen(kAmber, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawEllipse(centre, 2.6, 2.6);
    p.setBrush(kNavyBottom);
    p.drawEllipse(centre, 1.0, 1.0);

    // Name.
    QFont name = pickFont("URW Gothic", 46, QFont::Normal);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(name);
    QLinearGradient nameFill(0, 70, 0, 112);
    nameFill.setColorAt(0, Qt::white);
    nameFill.setColorAt(1, QColor(0xc4, 0xd3, 0xf6));
    p.setPen(QPen(QBrush(nameFill), 1));
    const int textLeft = 162;
    p.drawText(QPointF(textLeft, 112), QStringLiteral("Morvane"));

    // Rule under the name: starts at the text edge and fades out to the right.
    {
        QLinearGradient g(textLeft, 0, 392, 0);
        g.setColorAt(0, withAlpha(kCyan, 0.75));
        g.setColorAt(1, withAlpha(kCyan, 0.0));
        p.fillRect(QRect(textLeft + 2, 126, 220, 1), g);
    }

    QFont tag = pickFont("IPAPGothic", 14, QFont::Normal);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(tag);
    p.setPen(QColor(0xa4, 0xb6, 0xdf));
    p.drawText(QPointF(textLeft + 2, 148), QString::fromUtf8("デスクトップ・アクセサリ"));
    return img;
}

// The clock window's pictures, the play and stop symbols and the logo, at the current scale.
void drawClockPictures(const QString& suffix) {
    const auto put = [&suffix](const QImage& img, const char* name) { save(img, name + suffix); };
    put(clockWindow(251), "DaiL");
    put(clockWindow(191), "DaiS");
    put(stripWindow(), "DaiSS");
    put(keyWithGlyph(15, 13, 4, 4, kSmallWindow), "GS");
    put(keyWithGlyph(15, 13, 2, 4, kStandardWindow), "GM");
    put(keyWithGlyph(14, 13, 2, 5, kStripWindow), "GL");
    put(keyWithGlyph(15, 13, 4, 2, kLockClosed), "IdoN");
    put(keyWithGlyph(15, 13, 4, 1, kLockOpen), "IdoO");
    put(bellKey(true), "A_On");
    put(bellKey(false), "A_Off");
    put(keyWithGlyph(15, 13, 3, 3, kBars), "Image1");
    put(keyWithGlyph(14, 13, 3, 5, kDropTriangle), "Image7");
    put(keyWithGlyph(15, 13, 2, 3, kTiles), "Image3");
    put(keyWithGlyph(15, 13, 3, 2, kPower), "Image2");
    put(keyWithGlyph(15, 13, 2, 1, kGear), "Image5");
    put(transport(true), "Play");
    put(transport(false), "Stop");
    put(logo(), "Logo");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    gOutDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(gOutDir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    for (const qreal scale : {1.0, 2.0}) {
        gScale = scale;
        const QString suffix = scale > 1 ? QStringLiteral("@2x") : QString();
        drawClockPictures(suffix);
    }
    gScale = 1;

    const struct {
        const char* name;
        QImage (*draw)(int);
    } pages[] = {
        {"PageClose", pageClose},         {"PageSystem", pageSystem}, {"PageDrives", pageDrives},
        {"PageWallpaper", pageWallpaper}, {"PageAlarm", pageAlarm},   {"PageSearch", pageSearch},
        {"PageSettings", pageSettings},   {"PageInfo", pageInfo},
    };
    for (const auto& page : pages) {
        save(page.draw(16), page.name);
        save(page.draw(32), QString(page.name) + "@2x");
    }

    std::printf("wrote %d pictures to %s\n", gWritten, qPrintable(gOutDir));
    return 0;
}

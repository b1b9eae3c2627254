#include "WindowPlace.h"

#include "core/DataFile.h"
#include "ui/Twips.h"

namespace windowplace {

QPoint pixels(const PositionRecord& position) {
    return {twips::px(position.left), twips::px(position.top)};
}

PositionRecord visible(const PositionRecord& stored, QSize size, const QList<QRect>& screens) {
    const QRect window(pixels(stored), size);
    for (const QRect& screen : screens) {
        if (screen.intersects(window))
            return stored;
    }
    return settingsfile::parsePosition(datafile::deliveredDefault(datafile::Position));
}

PositionRecord toWrite(const PositionRecord& inUse, QPoint now) {
    if (now == pixels(inUse))
        return inUse;
    return {float(twips::fromPx(now.x())), float(twips::fromPx(now.y()))};
}

} // namespace windowplace

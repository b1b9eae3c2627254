#pragma once

#include "core/SettingsFiles.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the clock window stands, between the twips of fiti.kvi and the screen's pixels.
namespace windowplace {

// The window's top-left corner in pixels.
QPoint pixels(const PositionRecord& position);

// The stored position, unless a window of size there would lie wholly outside every screen
// (a screen unplugged since, say): then the delivered default, so the user sees the clock.
PositionRecord visible(const PositionRecord& stored, QSize size, const QList<QRect>& screens);

// What to write for a window now at pixels: the position in use while the window stands
// where it put it, since a pixel holds fewer digits than the twips it came from.
PositionRecord toWrite(const PositionRecord& inUse, QPoint now);

} // namespace windowplace

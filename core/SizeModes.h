#pragma once

#include "core/Variant.h"

#include <QString>
#include <optional>

// One row of the clock window's size modes: 0 smallest, 1 standard, 2 the one-line strip.
// Its background and size-button face are the clock's own pictures of that mode.
struct SizeMode {
    int mode;
    bool glmsaVisible;
    int heightTwips;
    int widthTwips;
    QString caption; // of the function screen's size button
};

// The standard mode's caption, which the size button also shows before any mode is known.
inline const QString DesignSizeCaption = QStringLiteral("標準");

// The row for a stored size mode; nothing for a value outside 0 to 2.
std::optional<SizeMode> sizeModeOf(const Variant& mode);

// The mode that follows in the cycle 1 -> 0 -> 2 -> 1.
std::optional<int> nextSizeMode(const Variant& mode);

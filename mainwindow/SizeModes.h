#pragma once

#include "core/Variant.h"

#include <QPixmap>
#include <QString>
#include <optional>

class Form1;

// One row of the size modes: 0 smallest, 1 standard, 2 the one-line strip.
struct SizeMode {
    int mode;
    QPixmap Form1::*background;
    QPixmap Form1::*face;
    bool glmsaVisible;
    int heightTwips;
    int widthTwips;
    QString caption; // of the function screen's size button
};

// The row for a stored size mode; nothing for a value outside 0 to 2.
std::optional<SizeMode> sizeModeOf(const Variant& mode);

// The mode that follows in the cycle 1 -> 0 -> 2 -> 1.
std::optional<int> nextSizeMode(const Variant& mode);

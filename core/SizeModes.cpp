#include "core/SizeModes.h"

std::optional<SizeMode> sizeModeOf(const Variant& mode) {
    static const SizeMode modes[] = {
        {0, false, 1035, 2860, QStringLiteral("最小")},
        {1, false, 1035, 3765, DesignSizeCaption},
        {2, true, 330, 4090, QStringLiteral("最大")},
    };
    for (const SizeMode& row : modes) {
        if (mode.is(row.mode) && mode.kind() != Variant::Kind::Empty)
            return row;
    }
    return std::nullopt;
}

std::optional<int> nextSizeMode(const Variant& mode) {
    if (mode.isEmpty())
        return std::nullopt;
    if (mode.is(1))
        return 0;
    if (mode.is(0))
        return 2;
    if (mode.is(2))
        return 1;
    return std::nullopt;
}

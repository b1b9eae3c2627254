#include "core/MemoryFigures.h"

#include "core/Patterns.h"

namespace {
constexpr double BytesPerMegabyte = 1048576.0;
constexpr double TotalAllowance = 2.0;
const QString MB = QStringLiteral("MB");
const QString About = QStringLiteral("約 ");
const QString SpacedMB = QStringLiteral(" MB");
} // namespace

MemoryFigures MemoryFigures::fromBytes(quint64 totalBytes, quint64 availableBytes) {
    MemoryFigures figures;
    figures.total = static_cast<qint64>(totalBytes / BytesPerMegabyte + TotalAllowance);
    figures.free = static_cast<qint64>(availableBytes / BytesPerMegabyte);
    figures.used = figures.total - figures.free;
    return figures;
}

QString MemoryFigures::totalText() const {
    return patterns::hashes(total) + MB;
}
QString MemoryFigures::usedText() const {
    return patterns::hashes(used) + MB;
}
QString MemoryFigures::freeText() const {
    return QString::number(free) + MB;
}
QString MemoryFigures::aboutTotalText() const {
    return About + patterns::hashes(total) + SpacedMB;
}
QString MemoryFigures::aboutUsedText() const {
    return About + patterns::hashes(used) + SpacedMB;
}
QString MemoryFigures::aboutFreeText() const {
    return About + QString::number(free) + SpacedMB;
}

const MeterTexts& MeterTexts::of(const MemoryFigures& figures) {
    if (figures_ == figures)
        return *this;
    figures_ = figures;
    total = figures.totalText();
    used = figures.usedText();
    free = figures.freeText();
    aboutTotal = figures.aboutTotalText();
    aboutUsed = figures.aboutUsedText();
    aboutFree = figures.aboutFreeText();
    return *this;
}

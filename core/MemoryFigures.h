#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Whole megabytes of physical memory as the meter shows them. The total carries 2 MB
// more than the machine reports, and used = total - free includes them.
struct MemoryFigures {
    qint64 total = 0;
    qint64 free = 0;
    qint64 used = 0;

    static MemoryFigures fromBytes(quint64 totalBytes, quint64 availableBytes);
    bool operator==(const MemoryFigures&) const = default;

    // The main window's texts: 256MB, 215MB, 41MB.
    QString totalText() const;
    QString usedText() const;
    QString freeText() const;
    // The system page's texts: 約 256 MB.
    QString aboutTotalText() const;
    QString aboutUsedText() const;
    QString aboutFreeText() const;
};

// The meter's six texts, made again only when the figures change: the meter is read four
// times a second and memory seldom moves by a whole megabyte that often.
class MeterTexts {
public:
    const MeterTexts& of(const MemoryFigures& figures);

    QString total, used, free, aboutTotal, aboutUsed, aboutFree;

private:
    std::optional<MemoryFigures> figures_;
};

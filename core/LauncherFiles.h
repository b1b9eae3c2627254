#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Fold.kvi and Shtcut.kvi: the five launcher folders and their thirty shortcut entries, one
// quoted text per field.
namespace launcherfile {

inline constexpr int FolderCount = 5;
inline constexpr int SlotsPerFolder = 6;
inline constexpr int SlotCount = FolderCount * SlotsPerFolder;
// The name a slot gets back when its shortcut is deleted.
inline const QString NewShortcutName = QStringLiteral("新しいショートカット");

struct Slot {
    QString path; // empty for an empty slot
    QString name;
    bool operator==(const Slot&) const = default;
};

// Folder (1 to 5) and position (0 to 5) of a slot, and back.
inline int folderOf(int slot) {
    return slot / SlotsPerFolder + 1;
}
inline int positionOf(int slot) {
    return slot % SlotsPerFolder;
}
inline int slotAt(int folder, int position) {
    return (folder - 1) * SlotsPerFolder + position;
}

// Whether the editor takes path as a slot's program: the classic "exe" or "EXE" ending
// (case as written, no dot needed), a regular file the user may execute, or a desktop entry.
bool acceptedTarget(const QString& path);

// The first 5 (30) records; record::FormatError when there are fewer. Later ones are ignored.
QStringList parseFolders(const QByteArray& bytes);
QList<Slot> parseSlots(const QByteArray& bytes);

// The whole file; nothing when a text cannot be stored (problem says why).
std::optional<QByteArray> writeFolders(const QStringList& names, QString* problem = nullptr);
std::optional<QByteArray> writeSlots(const QList<Slot>& entries, QString* problem = nullptr);

} // namespace launcherfile

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The 48 half-hour alarm slots of a day and their file: one quoted text per line, each
// the path of a sound file or the marker for no sound.
namespace alarmtable {

inline constexpr int SlotCount = 48;
inline const QString NoSound = QStringLiteral("設定なし");

// "０時", "０時３０分", ... "２３時３０分".
QString slotLabel(int slot);

// The first 48 fields as texts; record::FormatError when there are fewer.
QStringList parse(const QByteArray& bytes);
// Reads up to 48 fields the way an import does: a field that cannot be read repeats the
// last one read, and missing bytes give 48 empty entries.
QStringList import(const std::optional<QByteArray>& bytes);
// One record per slot; nothing when an entry cannot be stored (problem says why).
std::optional<QByteArray> write(const QStringList& entries, QString* problem = nullptr);

} // namespace alarmtable

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The file-system steps behind a safe write: where the bytes go when the name is a link,
// replacing a file in one step, keeping a copy under a free name, and sweeping up the
// temporary files a killed write leaves behind.
namespace filereplace {

// The file a write of path must replace. A link is followed, as editors do, to a regular
// file or to a free name in an existing folder; a link to anything else (a device, a
// FIFO, a folder, a missing folder, a loop) is itself replaced, never what it points to.
QString writeTarget(const QString& path);

// Writes bytes to a temporary file beside target, checks every step and the size that
// reached the disk, and renames it over target. On failure target is untouched, the
// temporary file is gone, and detail says why.
bool replaceContents(const QString& target, const QByteArray& bytes, QString& detail);

// A copy of what lies at target, made without moving it, under the first free name of
// base + ".bak", ".bak1", ".bak2" ... A link is kept as a link to the same place; a file
// by a hard link where the system allows it, else a copy; only a folder is moved (and a link
// on Windows, where making one takes a privilege). The name taken,
// or nothing when no copy could be made.
struct Kept {
    QString path;
    bool moved = false; // the original itself was moved there
};
std::optional<Kept> keepCopy(const QString& target, const QString& base, QString& detail);

// Removes the temporary files of interrupted writes of the named files in folder.
void removeStaleTemporaries(const QString& folder, const QStringList& fileNames);

// The name of a temporary file beside target, its last TemporaryLetters letters "X" for the
// system to fill: hidden and tagged, a shape no user gives a copy of their own, so the sweep
// after an interrupted write can never take a user's file for a leftover.
inline constexpr qsizetype TemporaryLetters = 6;
QString temporaryPattern(const QString& target);

// Each system's own steps, in platform/<system>/FileReplace.cpp.
namespace system {

enum class Keeping { Kept, NameTaken, Failed };
// Whether keeping target moves it aside rather than copying it: a folder, and a link where
// the system cannot make one; nothing, with detail, when target is not there or cannot be
// read.
std::optional<bool> keptByMoving(const QString& target, QString& detail);
// One attempt at keeping target under name, as keepCopy describes.
Keeping keepUnder(const QString& target, const QString& name, bool moving, QString& detail);
// Makes a new name in the folder of path last through a crash.
void syncFolder(const QString& path);

} // namespace system

} // namespace filereplace

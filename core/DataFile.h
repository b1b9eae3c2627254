#pragma once

#include "core/DataFolder.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Reading and writing whole data files. A write replaces the file atomically; a file that
// is missing or cannot be read is replaced by its delivered default, keeping the damaged
// one as a .bak copy, so that nothing of the user's is lost.
namespace datafile {

// The largest data file is a few tens of KiB; anything above this is damage, not data.
inline constexpr qint64 MaxFileBytes = 1024 * 1024;

// The delivered contents of a data file, as shipped in Data/.
QByteArray deliveredDefault(const QString& fileName);

// The file's bytes, or nothing when it is missing, cannot be read, is not a regular file
// or is larger than MaxFileBytes. Never waits, whatever lies at path.
std::optional<QByteArray> readBytes(const QString& path);

// Replaces the file with bytes in one step. A link is written through to a regular file
// that holds a record of the same fields; a link to anything else is kept aside and
// replaced. Returns the reason in Japanese, or empty; on failure the old file is left as
// it was.
QString writeAtomically(const QString& path, const QByteArray& bytes);

// Removes what writes killed halfway left in the data folder.
void removeStaleTemporaries(const DataFolder& data);

// What happened while a damaged file was put right; empty texts when nothing happened.
struct Repair {
    QString recovered; // the message that the file was started afresh
    QString writeFailure;
    bool happened() const { return !recovered.isEmpty() || !writeFailure.isEmpty(); }
};

// The parsed file, or nothing when it is missing, unreadable or parse throws.
template <typename T>
std::optional<T> parseFile(const DataFolder& data, const QString& fileName,
                           const std::function<T(const QByteArray&)>& parse);

// Parses the file with parse; when it is missing or parse throws, keeps the old file
// under a free backup name, writes the delivered default, and parses that instead.
template <typename T>
T load(const DataFolder& data, const QString& fileName,
       const std::function<T(const QByteArray&)>& parse, Repair& repair);

// The old file is kept first (a hard link, a copy, or a link kept as a link) and the
// default then replaces it in one step, so the name never stands empty or missing; when it
// cannot be kept, nothing is written. What a link points to is never written.
Repair restoreDefault(const DataFolder& data, const QString& fileName);

// The message for a failed write, naming the file and the reason.
QString writeFailureMessage(const QString& fileName, const QString& reason);

} // namespace datafile

template <typename T>
std::optional<T> datafile::parseFile(const DataFolder& data, const QString& fileName,
                                     const std::function<T(const QByteArray&)>& parse) {
    const std::optional<QByteArray> bytes = readBytes(data.path(fileName));
    if (bytes) {
        try {
            return parse(*bytes);
        } catch (const std::exception&) {
        }
    }
    return std::nullopt;
}

template <typename T>
T datafile::load(const DataFolder& data, const QString& fileName,
                 const std::function<T(const QByteArray&)>& parse, Repair& repair) {
    if (std::optional<T> value = parseFile<T>(data, fileName, parse))
        return *std::move(value);
    repair = restoreDefault(data, fileName);
    return parse(deliveredDefault(fileName));
}

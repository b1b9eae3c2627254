#pragma once

#include "DataFolder.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Reading and writing whole data files. A write replaces the file atomically; a file that
// is missing or cannot be read is replaced by its delivered default, keeping the damaged
// one as a .bak copy, so that nothing of the user's is lost.
namespace datafile {

// The delivered contents of a data file, as shipped in Data/.
QByteArray deliveredDefault(const QString& fileName);

// The file's bytes, or nothing when it does not exist or cannot be read.
std::optional<QByteArray> readBytes(const QString& path);

// Replaces the file with bytes in one step. Returns the reason in Japanese, or empty.
QString writeAtomically(const QString& path, const QByteArray& bytes);

// What happened while a damaged file was put right; empty texts when nothing happened.
struct Repair {
    QString recovered; // the message that the file was started afresh
    QString writeFailure;
    bool happened() const { return !recovered.isEmpty() || !writeFailure.isEmpty(); }
};

// Parses the file with parse; when it is missing or parse throws, keeps the old bytes
// as name.bak, writes the delivered default, and parses that instead.
template <typename T>
T load(const DataFolder& data, const QString& fileName,
       const std::function<T(const QByteArray&)>& parse, Repair& repair);

Repair restoreDefault(const DataFolder& data, const QString& fileName);

// The message for a failed write, naming the file and the reason.
QString writeFailureMessage(const QString& fileName, const QString& reason);

} // namespace datafile

template <typename T>
T datafile::load(const DataFolder& data, const QString& fileName,
                 const std::function<T(const QByteArray&)>& parse, Repair& repair) {
    const std::optional<QByteArray> bytes = readBytes(data.path(fileName));
    if (bytes) {
        try {
            return parse(*bytes);
        } catch (const std::exception&) {
        }
    }
    repair = restoreDefault(data, fileName);
    return parse(deliveredDefault(fileName));
}

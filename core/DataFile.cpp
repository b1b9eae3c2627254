#include "core/DataFile.h"

#include "core/BoundedRead.h"
#include "core/FileReplace.h"
#include "core/RecordFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

// The defaults live in a static library, so their resource must be pulled in by hand.
static void loadDefaultsResource() {
    Q_INIT_RESOURCE(defaults);
}

namespace datafile {
namespace {

const QString DefaultsPrefix = QStringLiteral(":/defaults/");

const QString RecreatedMessage = QStringLiteral(
    "データファイル「%1」が見つからないか壊れていたため、初期設定で作り直しました。");
const QString KeptMessage = QStringLiteral("\n元のファイルは「%1」として残しました。");
const QString DefaultsMessage =
    QStringLiteral("データファイル「%1」が見つからないか壊れていたため、初期設定の値で続けます。");
const QString KeepFailedReason =
    QStringLiteral("元のファイルを残せなかったため、上書きしませんでした（%1）。");

QString startedFromDefaults(const QString& fileName) {
    return DefaultsMessage.arg(fileName);
}

QString keptNote(const std::optional<filereplace::Kept>& kept) {
    return kept ? KeptMessage.arg(QFileInfo(kept->path).fileName()) : QString();
}

// A file without write permission is read-only, also for a user whom the system would let
// write anyway, as the read-only attribute is honoured where the files come from.
bool isReadOnlyFile(const QFileInfo& file) {
    return file.exists() && (!file.isWritable() || !(file.permissions() & QFileDevice::WriteOwner));
}

QString failureReason(const QString& path, qint64 size, const QString& detail) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QStringLiteral("フォルダ「%1」がありません。").arg(folder.absoluteFilePath());
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.isReadOnly())
        return QStringLiteral("読み取り専用のドライブです。");
    if (!folder.isWritable())
        return QStringLiteral("フォルダ「%1」に書き込む権限がありません。")
            .arg(folder.absoluteFilePath());
    if (isReadOnlyFile(file))
        return QStringLiteral("ファイルが読み取り専用です。");
    if (storage.isValid() && storage.bytesAvailable() < size + 4096)
        return QStringLiteral("ディスクの空き容量が足りません。");
    return QStringLiteral("書き込みに失敗しました（%1）。").arg(detail);
}

QString replaceAt(const QString& target, const QByteArray& bytes) {
    QString detail;
    if (filereplace::replaceContents(target, bytes, detail))
        return {};
    return failureReason(target, bytes.size(), detail);
}

} // namespace

QByteArray deliveredDefault(const QString& fileName) {
    static const bool loaded = (loadDefaultsResource(), true);
    Q_UNUSED(loaded);
    QFile file(DefaultsPrefix + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::optional<QByteArray> readBytes(const QString& path) {
    boundedread::Result file = boundedread::read(path, MaxFileBytes);
    if (!file.ok())
        return std::nullopt;
    return std::move(file.bytes);
}

namespace {

// A link is written through to a file that holds as many fields as the record written,
// as a data file on a synced folder does, or to a name not made yet.
bool readsAsSameRecord(const QString& target, const QByteArray& bytes) {
    if (!QFileInfo::exists(target))
        return true;
    const std::optional<QByteArray> old = readBytes(target);
    return old && record::fieldCount(*old) == record::fieldCount(bytes);
}

} // namespace

QString writeAtomically(const QString& path, const QByteArray& bytes) {
    // A read-only file stays untouched, as it would on the system the files come from.
    if (isReadOnlyFile(QFileInfo(path)))
        return failureReason(path, bytes.size(), {});
    const QString target = filereplace::writeTarget(path);
    if (target == path || readsAsSameRecord(target, bytes))
        return replaceAt(target, bytes);
    // The link points to a file of the user's that is no such record: it is kept aside
    // and a file of the program's own takes its place.
    QString detail;
    if (!filereplace::keepCopy(path, path, detail))
        return KeepFailedReason.arg(detail);
    return replaceAt(path, bytes);
}

void removeStaleTemporaries(const DataFolder& data) {
    filereplace::removeStaleTemporaries(data.folder(), AllFiles);
}

QString writeFailureMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("「%1」を保存できませんでした。\n%2\n設定は保存されないまま続けます。")
        .arg(fileName, reason);
}

Repair restoreDefault(const DataFolder& data, const QString& fileName) {
    const QString path = data.path(fileName);
    QDir().mkpath(data.folder());
    // What lies at the name is kept before anything is written. A repair never writes
    // through a link: the link is kept as it is and a regular file takes its place, so what
    // it points to, which may be any file of the user's, is never touched.
    const bool link = QFileInfo(path).isSymLink();
    std::optional<filereplace::Kept> kept;
    if (link || QFileInfo::exists(path)) {
        QString detail;
        kept = filereplace::keepCopy(path, path, detail);
        if (!kept)
            return {startedFromDefaults(fileName),
                    writeFailureMessage(fileName, KeepFailedReason.arg(detail))};
    }
    const QByteArray bytes = deliveredDefault(fileName);
    const QString reason = link ? replaceAt(path, bytes) : writeAtomically(path, bytes);
    if (!reason.isEmpty()) {
        // The damaged file is still in its place, so its extra name is of no use.
        if (kept && !kept->moved) {
            QFile::remove(kept->path);
            kept.reset();
        }
        return {startedFromDefaults(fileName) + keptNote(kept),
                writeFailureMessage(fileName, reason)};
    }
    return {RecreatedMessage.arg(fileName) + keptNote(kept), {}};
}

} // namespace datafile

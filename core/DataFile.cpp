#include "DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

// The defaults live in a static library, so their resource must be pulled in by hand.
static void loadDefaultsResource() {
    Q_INIT_RESOURCE(defaults);
}

namespace datafile {
namespace {

const QString BackupSuffix = QStringLiteral(".bak");
const QString DefaultsPrefix = QStringLiteral(":/defaults/");

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString writeAtomically(const QString& path, const QByteArray& bytes) {
    // A read-only file stays untouched, as it would on the system the files come from.
    if (isReadOnlyFile(QFileInfo(path)))
        return failureReason(path, bytes.size(), {});
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    const QString detail = file.errorString();
    file.cancelWriting();
    return failureReason(path, bytes.size(), detail);
}

QString writeFailureMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("「%1」を保存できませんでした。\n%2\n設定は保存されないまま続けます。")
        .arg(fileName, reason);
}

Repair restoreDefault(const DataFolder& data, const QString& fileName) {
    Repair repair;
    const QString path = data.path(fileName);
    QString kept;
    if (QFileInfo::exists(path)) {
        const QString backup = path + BackupSuffix;
        QFile::remove(backup);
        // Renaming keeps even a file that cannot be read.
        if (QFile::rename(path, backup))
            kept = QStringLiteral("\n元のファイルは「%1」として残しました。")
                       .arg(fileName + BackupSuffix);
    }
    QDir().mkpath(data.folder());
    const QString reason = writeAtomically(path, deliveredDefault(fileName));
    repair.recovered =
        QStringLiteral(
            "データファイル「%1」が見つからないか壊れていたため、初期設定で作り直しました。")
            .arg(fileName) +
        kept;
    if (!reason.isEmpty())
        repair.writeFailure = writeFailureMessage(fileName, reason);
    return repair;
}

} // namespace datafile

#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QString>

// The previous-instance test's key: one per data folder however the folder is reached
// (links, ".", ".."), so two copies that share their settings never run at once.
namespace instancekey {

// A folder not made yet is named by its parent's canonical path.
inline QString canonicalFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
    return parent.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : QDir(parent).filePath(info.fileName());
}

// Sixteen hexadecimal digits, fit for a file or object name. Where the file system ignores
// case, so does the key.
inline QString of(const QString& dataFolder, Qt::CaseSensitivity names) {
    QString path = canonicalFolder(dataFolder);
    if (names == Qt::CaseInsensitive)
        path = path.toLower();
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace instancekey

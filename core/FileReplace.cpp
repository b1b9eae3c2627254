// The steps of a safe write that are the same on every system; the system's own steps are
// in its platform folder.
#include "core/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace filereplace {
namespace {

constexpr int MaxLinkHops = 40; // as the Linux kernel allows
constexpr int MaxBackups = 1000;
const QString BackupSuffix = QStringLiteral(".bak");
const QString TemporaryPrefix = QStringLiteral(".");
const QString TemporaryTag = QStringLiteral(".morvane-");

bool isLink(const QString& path) {
    return QFileInfo(path).isSymbolicLink();
}

bool isTemporaryOf(const QString& name, const QString& fileName) {
    const QString head = TemporaryPrefix + fileName + TemporaryTag;
    if (name.size() != head.size() + TemporaryLetters || !name.startsWith(head))
        return false;
    const QStringView letters = QStringView(name).last(TemporaryLetters);
    return std::all_of(letters.begin(), letters.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

} // namespace

QString temporaryPattern(const QString& target) {
    const QFileInfo file(target);
    return QDir(file.path())
        .filePath(TemporaryPrefix + file.fileName() + TemporaryTag +
                  QString(TemporaryLetters, u'X'));
}

QString writeTarget(const QString& path) {
    QString current = path;
    for (int hop = 0; hop < MaxLinkHops && isLink(current); ++hop)
        current = QFileInfo(current).symLinkTarget();
    if (current == path || isLink(current))
        return path;
    const QFileInfo target(current);
    if (target.exists())
        return target.isFile() ? current : path;
    return QFileInfo(target.absolutePath()).isDir() ? current : path;
}

std::optional<Kept> keepCopy(const QString& target, const QString& base, QString& detail) {
    const std::optional<bool> moving = system::keptByMoving(target, detail);
    if (!moving)
        return std::nullopt;
    for (int number = 0; number < MaxBackups; ++number) {
        const QString name = base + BackupSuffix + (number ? QString::number(number) : QString());
        switch (system::keepUnder(target, name, *moving, detail)) {
        case system::Keeping::Kept:
            system::syncFolder(name);
            return Kept{name, *moving};
        case system::Keeping::NameTaken:
            continue;
        case system::Keeping::Failed:
            return std::nullopt;
        }
    }
    detail = QStringLiteral("no free backup name");
    return std::nullopt;
}

void removeStaleTemporaries(const QString& folder, const QStringList& fileNames) {
    // One listing, matched by hand: name filters and patterns would bring in the regular
    // expression engine at every start.
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        const bool stale =
            std::any_of(fileNames.begin(), fileNames.end(),
                        [&](const QString& file) { return isTemporaryOf(name, file); });
        if (stale && !isLink(dir.filePath(name)))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace filereplace

#include "core/InstallLayout.h"

#include "core/DataFile.h"
#include "core/FileReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace installlayout {
namespace {

// From the executable in lib/morvane to share/morvane of the same install.
const QString SharedFolder = QStringLiteral("../../share/morvane");
const QString UserFolder = QStringLiteral("morvane");
const QString DefaultDataHome = QStringLiteral(".local/share");

QString shared(const QString& executableFolder) {
    return QDir::cleanPath(QDir(executableFolder).filePath(SharedFolder));
}

// The bytes go under a temporary name first; the rename never replaces a file, so the
// name holds nothing or a whole file, and never a file of the user's is lost.
void copyNew(const QString& source, const QString& target) {
    const std::optional<QByteArray> bytes = datafile::readBytes(source);
    if (!bytes)
        return;
    // The safe writes' temporary name, which the start sweeps should a copy be killed halfway.
    QTemporaryFile temporary(filereplace::temporaryPattern(target));
    // Once renamed the file is no longer temporary: it must outlive the object.
    if (temporary.open() && temporary.write(*bytes) == bytes->size() && temporary.flush() &&
        temporary.rename(target))
        temporary.setAutoRemove(false);
}

} // namespace

DataChoice chooseData(const QString& executableFolder, bool writable, const QString& dataHome) {
    const QString beside = DataFolder(executableFolder).folder();
    const QString sharedData = DataFolder(shared(executableFolder)).folder();
    const bool besideExists = QFileInfo(beside).isDir();
    if (writable && (besideExists || !QFileInfo(sharedData).isDir()))
        return {executableFolder, {}};
    return {QDir(dataHome).filePath(UserFolder), besideExists ? beside : sharedData};
}

QString userDataHome(const QString& xdgDataHome, const QString& home) {
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome);
    return QDir(home).filePath(DefaultDataHome);
}

QString deliveredFile(const QString& executableFolder, const QString& fileName) {
    const QString beside = QDir(executableFolder).filePath(fileName);
    const QString system = QDir(shared(executableFolder)).filePath(fileName);
    return !QFileInfo::exists(beside) && QFileInfo::exists(system) ? system : beside;
}

void fillNewFolder(const QString& delivered, const QString& dataFolder) {
    if (QFileInfo::exists(dataFolder) || !QDir().mkpath(dataFolder))
        return;
    const QDir from(delivered);
    const QDir to(dataFolder);
    for (const QString& name : datafile::AllFiles)
        copyNew(from.filePath(name), to.filePath(name));
}

DataFolder dataFolderForThisUser(const QString& executableFolder) {
    const DataChoice choice =
        chooseData(executableFolder, QFileInfo(executableFolder).isWritable(),
                   userDataHome(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()));
    const DataFolder data(choice.parent);
    if (!choice.delivered.isEmpty())
        fillNewFolder(choice.delivered, data.folder());
    return data;
}

} // namespace installlayout

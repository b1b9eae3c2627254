#include "core/DataFolder.h"

#include <QDir>

namespace {
const QString DataFolderName = QStringLiteral("Data");
}

DataFolder::DataFolder(const QString& executableFolder)
    : folder_(QDir(executableFolder).filePath(DataFolderName)) {}

QString DataFolder::path(const QString& fileName) const {
    return QDir(folder_).filePath(fileName);
}

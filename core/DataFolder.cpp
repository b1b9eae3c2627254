#include "core/DataFolder.h"

#include <QDir>

namespace {
const QString DataFolderName = QStringLiteral("Data");
}

DataFolder::DataFolder(const QString& parentFolder)
    : folder_(QDir(parentFolder).filePath(DataFolderName)) {}

QString DataFolder::path(const QString& fileName) const {
    return QDir(folder_).filePath(fileName);
}

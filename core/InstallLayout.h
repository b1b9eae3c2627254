#pragma once

#include "core/DataFolder.h"

#include <QString>

// Where an install keeps its parts. A program folder the user may write holds everything,
// Data included, beside the executable. A system install keeps the program in lib/morvane,
// what it delivers in share/morvane, and each user's Data in the user's own data folder.
namespace installlayout {

struct DataChoice {
    QString parent;    // the folder whose Data is the data folder
    QString delivered; // where a new data folder's files come from; empty for Data beside
};

// executableFolder is the executable's real folder; writable, whether this user may write
// it. A system install is also told by its delivered Data in share/morvane with none beside
// the executable, so that even a user who may write there (root) keeps /usr untouched.
DataChoice chooseData(const QString& executableFolder, bool writable, const QString& dataHome);

// The user's data folder as the desktop names it: XDG_DATA_HOME when it is an absolute
// path, else ~/.local/share.
QString userDataHome(const QString& xdgDataHome, const QString& home);

// A file delivered with the program, such as the support page: beside the executable, else
// where a system install keeps it.
QString deliveredFile(const QString& executableFolder, const QString& fileName);

// Makes a data folder that does not exist yet and copies the delivered data files into it.
// A file already at a name is never replaced; a folder that exists is left to the repairs.
void fillNewFolder(const QString& delivered, const QString& dataFolder);

// The data folder of the user running the program, made and filled at the first start. It
// reads XDG_DATA_HOME and HOME; only the start calls it.
DataFolder dataFolderForThisUser(const QString& executableFolder);

} // namespace installlayout

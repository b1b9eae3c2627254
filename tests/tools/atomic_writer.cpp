// Writes a data file over and over until it is killed, so that a test can kill it at any
// point of a write:
//   atomic_writer PATH              two different 1 MiB contents, turn about;
//   atomic_writer --repair FOLDER   damages FOLDER/Data/St.kvi and repairs it, turn about.
#include "core/DataFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

constexpr qsizetype WriteBytes = 1 << 20;
const QByteArray DamagedSettings = "0,0,1\r\n";

int writeTurnAbout(const QString& path) {
    const QByteArray first(WriteBytes, 'a');
    const QByteArray second(WriteBytes, 'b');
    for (unsigned turn = 0;; ++turn) {
        if (!datafile::writeAtomically(path, turn % 2 ? second : first).isEmpty())
            return 1;
    }
}

int damageAndRepair(const QString& folder) {
    const DataFolder data(folder);
    const QDir dir(data.folder());
    for (;;) {
        if (!datafile::writeAtomically(data.path(datafile::Settings), DamagedSettings).isEmpty())
            return 1;
        if (!datafile::restoreDefault(data, datafile::Settings).writeFailure.isEmpty())
            return 1;
        for (const QString& kept : dir.entryList({QStringLiteral("St.kvi.bak*")}))
            QFile::remove(dir.filePath(kept));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == QStringLiteral("--repair"))
        return damageAndRepair(arguments[1]);
    if (arguments.size() == 1)
        return writeTurnAbout(arguments[0]);
    return 2;
}

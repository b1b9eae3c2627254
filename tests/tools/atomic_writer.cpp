// Writes two different contents into one file, turn about, until it is killed.
#include "DataFile.h"

#include <QByteArray>
#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray first(1 << 20, 'a');
    const QByteArray second(1 << 20, 'b');
    for (unsigned turn = 0;; ++turn) {
        if (!datafile::writeAtomically(path, turn % 2 ? second : first).isEmpty())
            return 1;
    }
}

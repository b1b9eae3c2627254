#include "ScratchMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
int run(const QString& program, const QStringList& arguments) {
    return QProcess::execute(program, arguments);
}
} // namespace

ScratchMount::ScratchMount(const QString& folder, const QString& options)
    : folder_(folder) {
    QDir().mkpath(folder);
    mounted_ = run(QStringLiteral("mount"),
                   {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                    QStringLiteral("tmpfs"), folder}) == 0;
}

ScratchMount::~ScratchMount() {
    if (mounted_)
        run(QStringLiteral("umount"), {QStringLiteral("-l"), folder_});
}

void ScratchMount::fill() const {
    QFile filler(QDir(folder_).filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

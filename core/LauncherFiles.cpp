#include "core/LauncherFiles.h"

#include "core/RecordFormat.h"

#include <QFileInfo>

namespace launcherfile {
namespace {

std::optional<QByteArray> finish(const record::Writer& writer, QString* problem) {
    if (problem)
        *problem = writer.problem();
    return writer.bytes();
}

const QStringList ProgramEndings = {QStringLiteral("exe"), QStringLiteral("EXE")};
const QString DesktopEntrySuffix = QStringLiteral(".desktop");

} // namespace

bool acceptedTarget(const QString& path) {
    if (ProgramEndings.contains(path.right(ProgramEndings.constFirst().size())))
        return true;
    if (path.endsWith(DesktopEntrySuffix))
        return true;
    const QFileInfo file(path);
    return file.isAbsolute() && file.isFile() && file.isExecutable();
}

QStringList parseFolders(const QByteArray& bytes) {
    record::Reader reader(bytes);
    QStringList names;
    for (int k = 0; k < FolderCount; ++k)
        names << reader.readText();
    return names;
}

QList<Slot> parseSlots(const QByteArray& bytes) {
    record::Reader reader(bytes);
    QList<Slot> entries;
    for (int n = 0; n < SlotCount; ++n) {
        Slot slot;
        slot.path = reader.readText();
        slot.name = reader.readText();
        entries << slot;
    }
    return entries;
}

std::optional<QByteArray> writeFolders(const QStringList& names, QString* problem) {
    record::Writer writer;
    for (const QString& name : names)
        writer.text(name).endRecord();
    return finish(writer, problem);
}

std::optional<QByteArray> writeSlots(const QList<Slot>& entries, QString* problem) {
    record::Writer writer;
    for (const Slot& slot : entries)
        writer.text(slot.path).text(slot.name).endRecord();
    return finish(writer, problem);
}

} // namespace launcherfile

#include "core/AlarmTable.h"

#include "core/RecordFormat.h"

namespace alarmtable {
namespace {

const QString HalfHour = QStringLiteral("３０分");
const QString Hour = QStringLiteral("時");

QString fullWidthDigits(int value) {
    QString text = QString::number(value);
    for (QChar& c : text)
        c = QChar(c.unicode() - u'0' + u'０');
    return text;
}

} // namespace

QString slotLabel(int slot) {
    return fullWidthDigits(slot / 2) + Hour + (slot % 2 == 1 ? HalfHour : QString());
}

QStringList parse(const QByteArray& bytes) {
    record::Reader reader(bytes);
    QStringList entries;
    for (int i = 0; i < SlotCount; ++i)
        entries << reader.readText();
    return entries;
}

QStringList import(const std::optional<QByteArray>& bytes) {
    record::Reader reader(bytes.value_or(QByteArray()));
    Variant last;
    QStringList entries;
    for (int i = 0; i < SlotCount; ++i) {
        try {
            last = reader.readVariant();
        } catch (const record::FormatError&) {
        }
        entries << last.toText();
    }
    return entries;
}

std::optional<QByteArray> write(const QStringList& entries, QString* problem) {
    record::Writer writer;
    for (const QString& entry : entries)
        writer.text(entry).endRecord();
    if (problem)
        *problem = writer.problem();
    return writer.bytes();
}

} // namespace alarmtable

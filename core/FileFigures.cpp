#include "core/FileFigures.h"

namespace filefigures {

namespace {
const QString DateForm = QStringLiteral("yyyy/MM/dd");
const QString TimeForm = QStringLiteral("HH:mm:ss");
const QString KilobyteUnit = QStringLiteral("KB");
constexpr quint64 BytesPerKilobyte = 1024;
} // namespace

QString dateTime(const QDateTime& when) {
    const QString date = when.date().toString(DateForm);
    if (when.time() == QTime(0, 0))
        return date;
    return date + u' ' + when.time().toString(TimeForm);
}

QString kilobytes(quint64 bytes) {
    // Whole kilobytes and the rest apart, so that no size overflows on its way to tenths.
    const quint64 rest = bytes % BytesPerKilobyte;
    const quint64 tenths =
        bytes / BytesPerKilobyte * 10 + (rest * 10 + BytesPerKilobyte / 2) / BytesPerKilobyte;
    return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10) + KilobyteUnit;
}

} // namespace filefigures

#pragma once

#include <QDateTime>
#include <QString>

// How the file-search page writes a file's times and size.
namespace filefigures {

// The Japanese default date-time form "2002/06/15 13:45:20"; the date alone at midnight.
QString dateTime(const QDateTime& when);
// Bytes in kilobytes to the nearest tenth (half up), "1.5KB"; always kilobytes.
QString kilobytes(quint64 bytes);

} // namespace filefigures

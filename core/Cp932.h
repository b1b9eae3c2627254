#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Every data file is Shift_JIS as Windows writes it (code page 932).
namespace cp932 {

QString decode(const QByteArray& bytes);

// Empty when the text holds a character that code page 932 cannot represent.
std::optional<QByteArray> encode(const QString& text);

// The first character of text that code page 932 cannot represent, or an empty string.
QString firstUnencodable(const QString& text);

} // namespace cp932

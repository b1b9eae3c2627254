#pragma once

#include <QString>
#include <QtGlobal>

// The program's report of an unexpected run-time error: its caption and its text.
namespace errorreport {

QString caption();
// "[operation] 中、予期せぬエラーが発生しました。", an empty line, then the error's words and
// number in hexadecimal; without an operation only the last line.
QString text(const QString& operation, quint32 number, const QString& description);

} // namespace errorreport

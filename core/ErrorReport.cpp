#include "core/ErrorReport.h"

#include "core/AppInfo.h"

namespace errorreport {
namespace {
const QString CaptionPrefix = QStringLiteral("実行エラー - ");
const QString Heading = QStringLiteral("[%1] 中、予期せぬエラーが発生しました。\r\n\r\n");
const QString Details = QStringLiteral("　　エラー内容 = %1(Err.Num=&H%2)");
} // namespace

QString caption() {
    return CaptionPrefix + appinfo::Title;
}

QString text(const QString& operation, quint32 number, const QString& description) {
    const QString details = Details.arg(description, QString::number(number, 16).toUpper());
    return operation.isEmpty() ? details : Heading.arg(operation) + details;
}

} // namespace errorreport

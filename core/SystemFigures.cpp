#include "core/SystemFigures.h"

#include <QList>

namespace {

const QString FullWidthPoint = QStringLiteral("．");
constexpr QByteArrayView PrettyNameKey = "PRETTY_NAME=";

int leadingNumber(QStringView field) {
    qsizetype digits = 0;
    while (digits < field.size() && field[digits].isDigit() && field[digits].unicode() < 128)
        ++digits;
    return field.left(digits).toInt();
}

// A shell-style value: quotes removed, a backslash keeps the character after it.
QString unquote(QByteArrayView value) {
    QByteArray text;
    char quote = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quote == 0 && (c == '"' || c == '\''))
            quote = c;
        else if (c == quote)
            quote = 0;
        else if (c == '\\' && quote != '\'' && i + 1 < value.size())
            text += value[++i];
        else
            text += c;
    }
    return QString::fromUtf8(text);
}

} // namespace

namespace systemfigures {

QString versionText(int major, int minor) {
    return QString::number(major) + FullWidthPoint + QString::number(minor);
}

Release parseRelease(const QString& release) {
    const QList<QStringView> fields = QStringView(release).split(u'.');
    const auto number = [&](qsizetype i) {
        return i < fields.size() ? leadingNumber(fields[i]) : 0;
    };
    return {number(0), number(1), number(2)};
}

QString prettyName(const QByteArray& osRelease) {
    for (const QByteArray& line : osRelease.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith(PrettyNameKey))
            return unquote(QByteArrayView(trimmed).sliced(PrettyNameKey.size()));
    }
    return {};
}

} // namespace systemfigures

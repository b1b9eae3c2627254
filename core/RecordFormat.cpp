#include "core/RecordFormat.h"

#include "core/Cp932.h"

#include <charconv>
#include <cmath>

namespace record {
namespace {

template <typename T> QString shortest(T value) {
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

QString formatNumber(double value) {
    return shortest(value);
}

QString formatSingle(float value) {
    return shortest(value);
}

QString textProblem(const QString& value) {
    if (value.contains(u'"'))
        return QStringLiteral(
                   "「%1」にはダブルクォーテーション（\"）が含まれているため保存できません。")
            .arg(value);
    const QString bad = cp932::firstUnencodable(value);
    if (!bad.isEmpty())
        return QStringLiteral("「%1」には保存できない文字「%2」が含まれています。").arg(value, bad);
    return {};
}

qsizetype fieldCount(const QByteArray& bytes) {
    Reader reader(bytes);
    qsizetype count = 0;
    for (; !reader.atEnd(); ++count)
        reader.readText();
    return count;
}

Reader::Reader(const QByteArray& bytes)
    : text_(cp932::decode(bytes)) {}

void Reader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'))
        ++pos_;
}

bool Reader::atEnd() const {
    if (fieldPending_)
        return false;
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        if (!text_[i].isSpace())
            return false;
    }
    return true;
}

Reader::Field Reader::next() {
    if (!fieldPending_) {
        // Blank lines between records carry no field.
        while (pos_ < text_.size() && (text_[pos_].isSpace()))
            ++pos_;
        if (pos_ >= text_.size())
            throw FormatError("too few fields");
    }
    skipBlanks();
    Field field;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        const qsizetype end = close < 0 ? text_.size() : close;
        field = {text_.mid(pos_ + 1, end - pos_ - 1), true};
        pos_ = close < 0 ? end : close + 1;
        // Anything between the closing quote and the delimiter is not part of the field.
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
        field = {text_.mid(start, pos_ - start).trimmed(), false};
    }
    fieldPending_ = pos_ < text_.size() && text_[pos_] == u',';
    if (fieldPending_) {
        ++pos_;
    } else if (pos_ < text_.size()) {
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
            ++pos_;
        ++pos_;
    }
    return field;
}

QString Reader::readText() {
    return next().text;
}

Variant Reader::readVariant() {
    const Field field = next();
    if (field.quoted)
        return Variant::text(field.text);
    if (field.text.isEmpty())
        return {};
    if (field.text == TrueText || field.text == FalseText)
        return Variant::boolean(field.text == TrueText);
    bool ok = false;
    const double value = field.text.toDouble(&ok);
    return ok ? Variant::number(value) : Variant::text(field.text);
}

double Reader::readNumber() {
    const Field field = next();
    if (field.text.trimmed().isEmpty())
        return 0;
    if (!field.quoted && (field.text == TrueText || field.text == FalseText))
        return field.text == TrueText ? -1 : 0;
    bool ok = false;
    const double value = field.text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw FormatError("not a number");
    return value;
}

qint16 Reader::readInteger() {
    const double value = std::nearbyint(readNumber());
    if (value < -32768 || value > 32767)
        throw FormatError("integer overflow");
    return static_cast<qint16>(value);
}

bool Reader::readBoolean() {
    const Field field = next();
    if (field.text == TrueText || field.text.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (field.text == FalseText || field.text.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double value = field.text.toDouble(&ok);
    if (!ok)
        throw FormatError("not a Boolean");
    return value != 0;
}

void Writer::field(const QString& raw) {
    if (lineStarted_)
        text_ += u',';
    text_ += raw;
    lineStarted_ = true;
}

Writer& Writer::text(const QString& value) {
    if (problem_.isEmpty())
        problem_ = textProblem(value);
    field(u'"' + value + u'"');
    return *this;
}

Writer& Writer::number(double value) {
    field(formatNumber(value));
    return *this;
}

Writer& Writer::single(float value) {
    field(formatSingle(value));
    return *this;
}

Writer& Writer::boolean(bool value) {
    field(value ? TrueText : FalseText);
    return *this;
}

Writer& Writer::variant(const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Empty:
        field({});
        break;
    case Variant::Kind::Number:
        number(value.toNumber());
        break;
    case Variant::Kind::Boolean:
        boolean(value.toNumber() != 0);
        break;
    case Variant::Kind::Text:
        text(value.toText());
        break;
    }
    return *this;
}

Writer& Writer::endRecord() {
    text_ += QStringLiteral("\r\n");
    lineStarted_ = false;
    return *this;
}

std::optional<QByteArray> Writer::bytes() const {
    if (!problem_.isEmpty())
        return std::nullopt;
    return cp932::encode(text_);
}

} // namespace record

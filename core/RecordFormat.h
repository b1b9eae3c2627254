#pragma once

#include "core/Variant.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// The sequential record format shared by every data file: CP932 text, one record per
// CR LF line, comma-separated fields, text in double quotes with nothing escaped,
// plain decimal numbers, #TRUE#/#FALSE#, and empty variant fields written as nothing.
namespace record {

inline const QString TrueText = QStringLiteral("#TRUE#");
inline const QString FalseText = QStringLiteral("#FALSE#");

// Integral values without a point, others with as many digits as they need.
QString formatNumber(double value);
// The same for a single-precision value, with the digits a single needs.
QString formatSingle(float value);

// A file that ends before all its fields, or a field that cannot become what is asked.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes);

    bool atEnd() const;
    // A field as it stands in the file; FormatError when there is none left.
    QString readText();
    Variant readVariant();
    double readNumber();
    qint16 readInteger();
    bool readBoolean();

private:
    struct Field {
        QString text;
        bool quoted = false;
    };
    Field next();
    void skipBlanks();

    QString text_;
    qsizetype pos_ = 0;
    bool fieldPending_ = false; // a comma was read, so one more field follows
};

class Writer {
public:
    Writer& text(const QString& value);
    Writer& number(double value);
    Writer& single(float value);
    Writer& boolean(bool value);
    Writer& variant(const Variant& value);
    Writer& endRecord();

    // The CP932 bytes, or empty with problem() set when a text could not be stored.
    std::optional<QByteArray> bytes() const;
    // Why the record cannot be written, in Japanese, or empty.
    QString problem() const { return problem_; }

private:
    void field(const QString& raw);

    QString text_;
    QString problem_;
    bool lineStarted_ = false;
};

// How many fields the bytes hold, read as the sequential reader reads them.
qsizetype fieldCount(const QByteArray& bytes);

// Why a text cannot be stored in a data file, or empty when it can.
QString textProblem(const QString& value);

} // namespace record

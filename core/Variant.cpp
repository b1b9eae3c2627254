#include "core/Variant.h"

#include "core/RecordFormat.h"

bool Variant::is(double value) const {
    if (kind_ == Kind::Text) {
        bool ok = false;
        const double parsed = text_.trimmed().toDouble(&ok);
        return ok && parsed == value;
    }
    return number_ == value;
}

double Variant::toNumber() const {
    if (kind_ == Kind::Text)
        return text_.trimmed().toDouble();
    return number_;
}

QString Variant::toText() const {
    switch (kind_) {
    case Kind::Empty:
        return {};
    case Kind::Number:
        return record::formatNumber(number_);
    case Kind::Boolean:
        return number_ != 0 ? record::TrueText : record::FalseText;
    case Kind::Text:
        return text_;
    }
    return {};
}

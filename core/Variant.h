#pragma once

#include <QString>

// A setting that holds a number, a Boolean, a text or nothing. The stored files rely on
// the rule that an empty value compares equal to 0 and unequal to 1.
class Variant {
public:
    enum class Kind { Empty, Number, Boolean, Text };

    Variant() = default;
    static Variant number(double value) { return Variant(Kind::Number, value, {}); }
    static Variant boolean(bool value) { return Variant(Kind::Boolean, value ? -1 : 0, {}); }
    static Variant text(const QString& value) { return Variant(Kind::Text, 0, value); }

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }

    // Empty is 0 and a Boolean is -1 or 0; a text counts only when it reads as a number.
    bool is(double value) const;
    // The numeric value, or 0 where there is none.
    double toNumber() const;
    QString toText() const;

    bool operator==(const Variant& other) const = default;

private:
    Variant(Kind kind, double number, const QString& text)
        : kind_(kind)
        , number_(number)
        , text_(text) {}

    Kind kind_ = Kind::Empty;
    double number_ = 0;
    QString text_;
};

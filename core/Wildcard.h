#pragma once

#include <QString>
#include <QStringView>

// File-name wildcards as folder listings match them: case-insensitive, "*" for any run
// (dots and nothing included), "?" for one character, and a final ".*" that also admits
// a name without a dot, so "*.*" matches every name.
class Wildcard {
public:
    explicit Wildcard(const QString& pattern);

    bool matches(QStringView name) const;
    // A pattern without "*" or "?" names one file.
    bool hasWildcards() const { return wild_; }

private:
    bool matchFrom(QStringView pattern, QStringView name) const;

    QString folded_;
    QString withoutDotStar_; // the pattern before a final ".*", or empty
    bool wild_ = false;
    bool all_ = false;
};

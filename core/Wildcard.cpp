#include "core/Wildcard.h"

namespace {

const QString DotStar = QStringLiteral(".*");
constexpr QChar Star = u'*';
constexpr QChar Question = u'?';

// One character of the name: a surrogate pair counts as one, as the user sees it.
qsizetype charLength(QStringView text, qsizetype at) {
    return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate() ? 2
                                                                                               : 1;
}

bool sameLetter(QChar patternChar, QChar nameChar) {
    return patternChar == nameChar || patternChar == nameChar.toCaseFolded();
}

} // namespace

Wildcard::Wildcard(const QString& pattern)
    : folded_(pattern.toCaseFolded()) {
    wild_ = folded_.contains(Star) || folded_.contains(Question);
    if (folded_.endsWith(DotStar))
        withoutDotStar_ = folded_.chopped(DotStar.size());
    all_ = folded_ == QStringLiteral("*") || folded_ == QStringLiteral("*.*");
}

bool Wildcard::matches(QStringView name) const {
    if (all_)
        return !name.isEmpty();
    if (matchFrom(folded_, name))
        return true;
    return !withoutDotStar_.isEmpty() && !name.contains(u'.') && matchFrom(withoutDotStar_, name);
}

// Greedy match that returns to the last "*" on a mismatch: linear for the usual patterns,
// never exponential.
bool Wildcard::matchFrom(QStringView pattern, QStringView name) const {
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == Star) {
            starP = ++p;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == Question) {
            ++p;
            n += charLength(name, n);
        } else if (p < pattern.size() && sameLetter(pattern[p], name[n])) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP;
            starN += charLength(name, starN);
            n = starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == Star)
        ++p;
    return p == pattern.size();
}

#include "ui/Phrases.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>

namespace phrases {
namespace {

const QString Openers = QStringLiteral("「『（(【〔");
const QString Closers = QStringLiteral("、。・」』）)】〕，．！？");
constexpr int NarrowestStretch = 60;
// The share of the screen's width a message's line may take before it wraps.
constexpr int MessageShare = 60;

enum class Kind { Kanji, Hiragana, Katakana, Punctuation, Other };

Kind kindOf(QChar c) {
    const char16_t u = c.unicode();
    if (Openers.contains(c) || Closers.contains(c))
        return Kind::Punctuation;
    if (u >= 0x3040 && u <= 0x309F)
        return Kind::Hiragana;
    if ((u >= 0x30A0 && u <= 0x30FF) || (u >= 0xFF66 && u <= 0xFF9F))
        return Kind::Katakana;
    if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || u == 0x3005)
        return Kind::Kanji;
    return Kind::Other;
}

// The polite prefixes, which belong to the word in kanji that follows them (お知らせ, ご注意).
const QString Prefixes = QStringLiteral("おご");

bool prefixes(QChar c, QChar next) {
    return Prefixes.contains(c) && kindOf(next) == Kind::Kanji;
}

// A line may break between a and b (next follows b): after punctuation that closes, before
// one that opens, and where a word of one kind of script ends and another begins. Hiragana
// after a word stays with it (okurigana, particles); a polite prefix goes with its word.
bool mayBreak(QChar a, QChar b, QChar next) {
    if (Closers.contains(b) || Openers.contains(a) || prefixes(a, b))
        return false;
    if (Closers.contains(a) || Openers.contains(b) || prefixes(b, next))
        return true;
    const Kind from = kindOf(a);
    const Kind to = kindOf(b);
    if (from == to || to == Kind::Hiragana)
        return false;
    return true;
}

} // namespace

QStringList split(const QString& text) {
    QStringList parts;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (parts.isEmpty() || text[i - 1].isSpace() || text[i].isSpace() ||
            mayBreak(text[i - 1], text[i], i + 1 < text.size() ? text[i + 1] : QChar()))
            parts.append(QString());
        parts.last() += text[i];
    }
    return parts;
}

QStringList lines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList result;
    for (const QString& phrase : split(text)) {
        if (!result.isEmpty() && metrics.horizontalAdvance(result.last() + phrase) <= width)
            result.last() += phrase;
        else
            result.append(phrase.trimmed());
    }
    return result;
}

void drawWrapped(QPainter& painter, const QRect& box, const QString& text, int alignment) {
    int widest = 0;
    for (const QString& phrase : split(text))
        widest = qMax(widest, painter.fontMetrics().horizontalAdvance(phrase.trimmed()));
    if (widest > box.width()) {
        QFont narrow = painter.font();
        narrow.setStretch(qMax(NarrowestStretch, box.width() * 100 / widest));
        painter.setFont(narrow);
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList shown = lines(text, metrics, box.width());
    const int height = int(shown.size()) * metrics.height();
    int top = box.top();
    if (alignment & Qt::AlignVCenter)
        top += (box.height() - height) / 2;
    for (const QString& line : shown) {
        painter.drawText(QRect(box.left(), top, box.width(), metrics.height()),
                         int(alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, line);
        top += metrics.height();
    }
}

void giveRoom(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    int widest = 0;
    for (const QString& line : label->text().split(u'\n'))
        widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
    const QScreen* screen = box.screen();
    const int room = screen ? screen->availableGeometry().width() * MessageShare / 100 : widest;
    label->setMinimumWidth(qMin(widest, room));
}

} // namespace phrases

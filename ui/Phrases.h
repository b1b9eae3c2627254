#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;
class QMessageBox;
class QPainter;
class QRect;

// Japanese text broken into lines only where a reader would break it: after punctuation and
// between phrases, never inside a word.
namespace phrases {

// The phrases of text, in order: the pieces a line may end after.
QStringList split(const QString& text);

// text in lines of at most width, each line whole phrases (a phrase wider than width takes
// a line of its own).
QStringList lines(const QString& text, const QFontMetrics& metrics, int width);

// Draws text wrapped at phrase ends inside box, centred as alignment says. A phrase wider
// than the box is drawn narrower rather than cut in two.
void drawWrapped(QPainter& painter, const QRect& box, const QString& text, int alignment);

// Widens a message box's text to its longest line, as far as the screen allows, so that Qt's
// own wrapping does not leave the last characters of a sentence alone on a line.
void giveRoom(QMessageBox& box);

} // namespace phrases

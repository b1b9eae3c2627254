#pragma once

#include <QLabel>

// A label whose text runs onto further lines between phrases, never inside a word, as button
// captions do. text() keeps the text as given.
class PhraseLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

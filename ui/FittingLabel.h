#pragma once

#include <QLabel>

// A label that narrows its face to fit a text wider than itself, so that a long figure or
// a wide face chosen by the user is never cut off in the small clock window.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The text's width, measured again only when the text or the face changes.
    int neededWidth();

    QString measuredText_;
    int measuredWidth_ = -1;
};

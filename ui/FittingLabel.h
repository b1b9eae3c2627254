#pragma once

#include <QLabel>

// A label that narrows its face to fit a text wider than itself, so that a long figure or
// a wide face chosen by the user is never cut off in the small clock window. Where even the
// narrowest readable face is too wide, it elides the text and shows all of it as the tooltip;
// text() keeps the whole text.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The face and text as drawn.
    struct Fit {
        QFont font;
        QString text;
    };
    Fit fitted();

    // How far the face may narrow, in percent of its width: 100 elides at once.
    void setNarrowest(int percent) { narrowest_ = percent; }
    void setElideMode(Qt::TextElideMode mode) { elideMode_ = mode; }

    static constexpr int ReadableStretch = 70;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The text's width, measured again only when the text or the face changes.
    int neededWidth();
    void showWholeTextAsTip(bool elided);

    QString measuredText_;
    int measuredWidth_ = -1;
    int narrowest_ = ReadableStretch;
    Qt::TextElideMode elideMode_ = Qt::ElideRight;
    QString ownTip_;
};

#pragma once

#include <QLabel>

// A label that narrows its face to fit a text wider than itself, so that a long figure
// is never cut off in the small meter.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

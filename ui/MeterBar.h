#pragma once

#include <QProgressBar>

// The memory bar of the clock window: a flat bar drawn in the panel's colours. It stays a
// progress bar, so accessibility tools read its value.
class MeterBar : public QProgressBar {
    Q_OBJECT
public:
    explicit MeterBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

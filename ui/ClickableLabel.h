#pragma once

#include <QLabel>

// A label that reports the mouse: a picture button, or a title to drag by. It is a label,
// so accessibility tools read its tooltip as its name.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& name, const QString& toolTip, QWidget* parent);

signals:
    void clicked();
    void pressed(QMouseEvent* event);
    void moved(QMouseEvent* event);
    void released(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

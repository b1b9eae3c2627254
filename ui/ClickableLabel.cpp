#include "ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& name, const QString& toolTip, QWidget* parent)
    : QLabel(parent) {
    setObjectName(name);
    setToolTip(toolTip);
    setAccessibleName(toolTip.isEmpty() ? name : toolTip);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event);
    event->accept();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event);
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

#include "ui/ClickableLabel.h"

#include "ui/Accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// The focus mark of a picture button: the buttons are too small for the style's own.
const QColor FocusColour(0x4f, 0xd8, 0xff);
} // namespace

ClickableLabel::ClickableLabel(const QString& name, const QString& toolTip, QWidget* parent)
    : QLabel(parent) {
    accessibility::install();
    setObjectName(name);
    setToolTip(toolTip);
    setCursor(Qt::PointingHandCursor);
    if (isButton())
        setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::click() {
    emit clicked();
}

void ClickableLabel::namePicture(const QPixmap& picture, const QString& name,
                                 std::optional<bool> checked) {
    pictureNames_.insert(picture.cacheKey(), {name, checked});
}

QString ClickableLabel::pictureName() const {
    return pictureNames_.value(pixmap().cacheKey()).name;
}

std::optional<bool> ClickableLabel::pictureChecked() const {
    return pictureNames_.value(pixmap().cacheKey()).checked;
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

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (isButton() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        click();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(FocusColour, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

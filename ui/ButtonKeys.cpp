#include "ui/ButtonKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>

namespace buttonkeys {
namespace {

bool isEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A push button, not a box that Space ticks: Return in a form of boxes is no tick.
bool isPushButton(QObject* object) {
    return qobject_cast<QAbstractButton*>(object) && !qobject_cast<QCheckBox*>(object) &&
           !qobject_cast<QRadioButton*>(object);
}

class EnterPresses : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !isPushButton(watched))
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isEnter(key) || !button->isEnabled())
            return false;
        // A held key presses once.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void install() {
    static const bool installed = [] {
        qApp->installEventFilter(new EnterPresses(qApp));
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace buttonkeys

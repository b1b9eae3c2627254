#include "Accessibility.h"

#include "ClickableLabel.h"
#include "FittingLabel.h"
#include "MeterBar.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace accessibility {
namespace {

const QStringList WindowClasses = {QStringLiteral("Form1"), QStringLiteral("Form2"),
                                   QStringLiteral("Form3"), QStringLiteral("Form6")};

// A control of the clock window: not announced while its window has cut it off.
class ClockControl : public QAccessibleWidget {
public:
    ClockControl(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!insideWindow(widget())) {
            state.invisible = true;
            state.offscreen = true;
            state.focusable = false;
        }
        return state;
    }
};

// A picture button, the title strip or the alarm lamp.
class Picture : public ClockControl {
public:
    explicit Picture(ClickableLabel* label)
        : ClockControl(label, roleOf(label))
        , label_(label) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return ClockControl::text(t);
        if (label_->isButton())
            return label_->toolTip();
        if (!label_->text().isEmpty())
            return label_->text();
        const QString picture = label_->pictureName();
        return picture.isEmpty() ? label_->accessibleName() : picture;
    }

    QStringList actionNames() const override {
        return label_->isButton() ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString& action) override {
        if (label_->isButton() && action == pressAction())
            label_->click();
    }

private:
    static QAccessible::Role roleOf(const ClickableLabel* label) {
        if (label->isButton())
            return QAccessible::Button;
        return label->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    ClickableLabel* label_;
};

class Text : public ClockControl {
public:
    explicit Text(QLabel* label)
        : ClockControl(label, QAccessible::StaticText)
        , label_(label) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? label_->text() : ClockControl::text(t);
    }

private:
    QLabel* label_;
};

class Meter : public ClockControl, public QAccessibleValueInterface {
public:
    explicit Meter(MeterBar* bar)
        : ClockControl(bar, QAccessible::ProgressBar)
        , bar_(bar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return ClockControl::interface_cast(type);
    }
    QVariant currentValue() const override { return bar_->value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return bar_->maximum(); }
    QVariant minimumValue() const override { return bar_->minimum(); }
    QVariant minimumStepSize() const override { return 0; }

private:
    MeterBar* bar_;
};

// A page of the function screen. A covered page is hidden, but Qt would still offer its
// lists' rows as showing; a hidden page offers no children at all.
class CoveredPage : public QAccessibleWidget {
public:
    explicit CoveredPage(QWidget* page)
        : QAccessibleWidget(page, QAccessible::Pane) {}

    int childCount() const override {
        return widget()->isHidden() ? 0 : QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int index) const override {
        return widget()->isHidden() ? nullptr : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return widget()->isHidden() ? -1 : QAccessibleWidget::indexOfChild(child);
    }
};

// A drop-down list. Its closed list would still offer its rows as showing; it offers them
// only while open, and is read by its name with the chosen entry as its value.
class DropDown : public QAccessibleWidget {
public:
    explicit DropDown(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return open() ? QAccessibleWidget::childCount() : 0; }
    QAccessibleInterface* child(int index) const override {
        return open() ? QAccessibleWidget::child(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return open() ? QAccessibleWidget::indexOfChild(child) : -1;
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    bool open() const { return box()->view()->isVisible(); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("ClickableLabel"))
        return new Picture(static_cast<ClickableLabel*>(widget));
    if (className == QLatin1String("FittingLabel"))
        return new Text(static_cast<QLabel*>(widget));
    if (className == QLatin1String("MeterBar"))
        return new Meter(static_cast<MeterBar*>(widget));
    if (className == QLatin1String("Page"))
        return new CoveredPage(widget);
    if (className == QLatin1String("QComboBox"))
        return new DropDown(static_cast<QComboBox*>(widget));
    // A plain widget would be announced as filler; these are the program's windows.
    if (widget->isWindow() && WindowClasses.contains(className))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

bool insideWindow(const QWidget* widget) {
    const QWidget* window = widget->window();
    // A sliver at the edge does not count: what is seen of it is too little to use.
    const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return window->rect().contains(place.center());
}

} // namespace accessibility

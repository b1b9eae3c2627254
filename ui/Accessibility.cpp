#include "ui/Accessibility.h"

#include "ui/ClickableLabel.h"
#include "ui/FittingLabel.h"
#include "ui/MeterBar.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>

namespace accessibility {
namespace {

const QStringList WindowClasses = {QStringLiteral("Form1"), QStringLiteral("Form2"),
                                   QStringLiteral("Form3"), QStringLiteral("Form4"),
                                   QStringLiteral("Form6")};

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
        // A button's picture that tells its state describes it.
        if (t == QAccessible::Description && label_->isButton() && !label_->pictureName().isEmpty())
            return label_->pictureName();
        if (t != QAccessible::Name)
            return ClockControl::text(t);
        if (label_->isButton())
            return label_->toolTip();
        if (!label_->text().isEmpty())
            return label_->text();
        const QString picture = label_->pictureName();
        return picture.isEmpty() ? label_->accessibleName() : picture;
    }

    QAccessible::State state() const override {
        QAccessible::State state = ClockControl::state();
        if (const std::optional<bool> checked = label_->pictureChecked()) {
            state.checkable = true;
            state.checked = *checked;
        }
        return state;
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

// A drop-down list, named by its label and valued by its chosen entry. An editable one offers
// its edit part; a closed plain one offers the entry as its text, where a reader finds the value
// of a list that has no edit part. The rows are offered only while the list is open, as Qt would
// call a closed list's rows showing.
class DropDown : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DropDown(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !box()->isEditable())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return chosen();
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? chosen() : own;
    }
    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList shown = parts();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return int(parts().indexOf(qobject_cast<QWidget*>(child->object())));
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (open())
            box()->hidePopup();
        else
            box()->showPopup();
    }

    // The chosen entry as a text that cannot be edited, selected or scrolled.
    QString text(int start, int end) const override { return chosen().mid(start, end - start); }
    int characterCount() const override { return int(chosen().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    bool open() const { return box()->view()->isVisible(); }
    QString chosen() const {
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }
    QWidgetList parts() const {
        QWidgetList shown;
        if (box()->isEditable())
            shown << box()->lineEdit();
        if (open())
            shown << box()->view();
        return shown;
    }
};

// A tab of a tab strip. Qt's own tab reads as selected never, and as focused whenever the
// strip has the focus.
class Tab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Tab(QTabBar* bar, int index)
        : bar_(bar)
        , index_(index) {}

    int index() const { return index_; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;
    QRect rect() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (isValid() && action == pressAction())
            bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

QAccessible::State Tab::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state = parent()->state();
    state.selectable = true;
    state.selected = index_ == bar_->currentIndex();
    state.focused = state.selected && bar_->hasFocus();
    return state;
}

QRect Tab::rect() const {
    if (!isValid())
        return {};
    const QRect place = bar_->tabRect(index_);
    return QRect(bar_->mapToGlobal(place.topLeft()), place.size());
}

QString Tab::text(QAccessible::Text t) const {
    if (!isValid())
        return {};
    if (t == QAccessible::Name) {
        const QString name = bar_->accessibleTabName(index_);
        return name.isEmpty() ? bar_->tabText(index_) : name;
    }
    return t == QAccessible::Description ? bar_->tabToolTip(index_) : QString();
}

// A tab strip: its tabs, then the buttons it shows (scroll arrows).
class TabStrip : public QAccessibleWidget {
public:
    explicit TabStrip(QTabBar* bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabStrip() override {
        for (const QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty())
            return own;
        return bar()->tabText(bar()->currentIndex());
    }
    int childCount() const override { return bar()->count() + int(buttons().size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->role() == QAccessible::PageTab && child->parent() == this)
            return static_cast<const Tab*>(child)->index();
        const qsizetype button = buttons().indexOf(qobject_cast<QWidget*>(child->object()));
        return button < 0 ? -1 : bar()->count() + int(button);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    QWidgetList buttons() const {
        QWidgetList shown;
        for (QWidget* child : bar()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible())
                shown << child;
        }
        return shown;
    }

    mutable QHash<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* TabStrip::child(int index) const {
    if (index < 0)
        return nullptr;
    if (index < bar()->count()) {
        if (const QAccessible::Id id = tabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto* tab = new Tab(bar(), index);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    const QWidgetList shown = buttons();
    index -= bar()->count();
    return index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
}

// A button that stays pressed while what it chose is shown, as a page button does. Qt would
// call any such button a check box.
class PressedButton : public QAccessibleWidget {
public:
    explicit PressedButton(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? button()->text() : own;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A plain frame is a panel, or a separator line; Qt would call either a frame, as it does
// a window.
QAccessibleInterface* plainFrame(QFrame* frame) {
    const bool line = frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
    return new QAccessibleWidget(frame, line ? QAccessible::Separator : QAccessible::Pane);
}

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
    if (className == QLatin1String("PageButton"))
        return new PressedButton(static_cast<QAbstractButton*>(widget));
    if (className == QLatin1String("QTabBar"))
        return new TabStrip(static_cast<QTabBar*>(widget));
    if (className == QLatin1String("QFrame"))
        return plainFrame(static_cast<QFrame*>(widget));
    // A plain widget would be announced as filler; these are the program's windows.
    if (widget->isWindow() && WindowClasses.contains(className))
        return new QAccessibleWidget(widget, QAccessible::Window);
    // A named plain widget holds others, as the function screen's body does.
    if (className == QLatin1String("QWidget") && !widget->isWindow() &&
        !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Pane);
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

// The clock window's buttons, popup menu, lock and dragging.
#include "Form1.h"
#include "functionscreen/Form2.h"
#include "launcher/Form6.h"
#include "platform/Platform.h"
#include "ui/Accessibility.h"
#include "ui/ClickableLabel.h"
#include "ui/Context.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace {
// A move by the window system ends without a mouse release reaching us; the position is
// written once the window has rested this long.
constexpr int SystemMoveSettleMs = 400;
} // namespace

void Form1::connectControls() {
    connect(Image1, &ClickableLabel::clicked, this, [this] { openMenu(Image1); });
    connect(Image7, &ClickableLabel::clicked, this, [this] { openMenu(Image7); });
    connect(Ido, &ClickableLabel::clicked, this, &Form1::Ido_Click);
    connect(Image3, &ClickableLabel::clicked, this, &Form1::openLauncher);
    connect(GLMS, &ClickableLabel::clicked, this, &Form1::sizeButton_Click);
    connect(GLMSa, &ClickableLabel::clicked, this, &Form1::sizeButton_Click);
    connect(Image2, &ClickableLabel::clicked, this, &Form1::endProgram);
    connect(Image5, &ClickableLabel::clicked, this, [this] { openPage(Form2::PageId::Settings); });
    connect(kvSys, &QAction::triggered, this, [this] { openPage(Form2::PageId::System); });
    connect(kvDriv, &QAction::triggered, this, [this] { openPage(Form2::PageId::Drives); });
    connect(kvBmp, &QAction::triggered, this, [this] { openPage(Form2::PageId::Wallpaper); });
    connect(kvWav, &QAction::triggered, this, [this] { openPage(Form2::PageId::Alarm); });
    connect(kvDir, &QAction::triggered, this, [this] { openPage(Form2::PageId::Search); });
    connect(kvSet, &QAction::triggered, this, [this] { openPage(Form2::PageId::Settings); });
    connect(kvVer, &QAction::triggered, this, [this] { openPage(Form2::PageId::Product); });
    connect(kvLunc, &QAction::triggered, this, &Form1::openLauncher);
    connect(kvEnd, &QAction::triggered, this, &Form1::endProgram);
    connect(Label10, &ClickableLabel::pressed, this, &Form1::Label10_MouseDown);
    connect(Label10, &ClickableLabel::moved, this, &Form1::Label10_MouseMove);
    connect(Label10, &ClickableLabel::released, this, &Form1::Label10_MouseUp);
    systemMoveSettled_ = new QTimer(this);
    systemMoveSettled_->setSingleShot(true);
    systemMoveSettled_->setInterval(SystemMoveSettleMs);
    connect(systemMoveSettled_, &QTimer::timeout, this, [this] {
        systemMove_ = false;
        writePosition();
    });
}

void Form1::openMenu(QWidget* from) {
    if (from->underMouse())
        pMenu->popup(QCursor::pos());
    else
        openMenuBelow(from);
}

void Form1::openMenuBelow(QWidget* from) {
    pMenu->popup(from->mapToGlobal(QPoint(0, from->height())));
    // Return then chooses, and the arrows go on, from an item the user can see.
    pMenu->setActiveAction(pMenu->actions().constFirst());
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    // A right click anywhere on the clock, or the Menu key.
    if (event->reason() == QContextMenuEvent::Mouse)
        pMenu->popup(event->globalPos());
    else
        openMenuBelow(focusWidget() ? focusWidget() : this);
    event->accept();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        openMenuBelow(focusWidget() ? focusWidget() : this);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Tab skips the buttons that a small size mode leaves outside the window.
    for (ClickableLabel* button : findChildren<ClickableLabel*>()) {
        if (button->isButton())
            button->setFocusPolicy(accessibility::insideWindow(button) ? Qt::StrongFocus
                                                                       : Qt::NoFocus);
    }
}

void Form1::openPage(Form2::PageId page) {
    Form2& form2 = F2();
    form2.bringToFront(page);
    form2.showPage();
}

void Form1::openLauncher() {
    form6_->show();
}

void Form1::Ido_Click() {
    // Written by the function screen's timer, when it shows the new lock.
    if (settings_.Iti().is(0))
        settings_.setIti(Variant::number(1), Settings::Write::Later);
    else if (settings_.Iti().is(1))
        settings_.setIti(Variant::number(0), Settings::Write::Later);
}

void Form1::sizeButton_Click() {
    F2().FomSiz();
}

void Form1::Label10_MouseDown(QMouseEvent* event) {
    // From the press itself: pos() may not have heard of a window manager's last move.
    dragOffset_ = Label10->mapTo(this, event->position().toPoint());
    drag_ = Drag::NotAsked;
}

void Form1::Label10_MouseMove(QMouseEvent* event) {
    if (!settings_.Iti().is(0) || event->buttons() != Qt::LeftButton)
        return;
    if (drag_ == Drag::NotAsked) {
        // Once per press: a second request would start a move that no release ends.
        drag_ =
            context_.platform.startWindowMove(this, dragOffset_) ? Drag::BySystem : Drag::ByHand;
        systemMove_ = drag_ == Drag::BySystem;
        if (systemMove_) {
            // Timed from the start too, so that a move the window manager never makes ends.
            systemMoveSeen_ = place();
            systemMoveSettled_->start();
        }
    }
    if (drag_ == Drag::ByHand)
        move(event->globalPosition().toPoint() - dragOffset_);
}

void Form1::Label10_MouseUp(QMouseEvent*) {
    drag_ = Drag::None;
    writePosition();
}

void Form1::followSystemMove() {
    if (!systemMove_)
        return;
    const QPoint seen = place();
    if (seen != systemMoveSeen_) {
        systemMoveSeen_ = seen;
        systemMoveSettled_->start();
    }
}

void Form1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (systemMove_)
        systemMoveSettled_->start();
}

#include "Harness.h"
#include "functionscreen/Page.h"
#include "ui/ClickableLabel.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct OnClock : Harness {
    OnClock() {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        start();
    }
    // The item the menu highlights once action has opened it; nothing when it stays closed.
    std::optional<QAction*> menuOpenedBy(const std::function<void()>& action,
                                         const std::function<void()>& meanwhile = {}) {
        QMenu* menu = form1().pMenu;
        menu->hide();
        action();
        std::optional<QAction*> highlighted;
        if (menu->isVisible()) {
            if (meanwhile)
                meanwhile();
            highlighted = menu->activeAction();
        }
        menu->hide();
        return highlighted;
    }
};

} // namespace

TEST(ClockKeys, PictureButtonsTakeTheFocusAndSpaceOrReturnPressesThem) {
    OnClock h;
    Form1& f = h.form1();
    for (ClickableLabel* button : {f.Image1, f.Ido, f.Image3, f.GLMS, f.Image2, f.Image5})
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << button->objectName().toStdString();
    EXPECT_EQ(f.Label10->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(f.Image4->focusPolicy(), Qt::NoFocus);

    QTest::keyClick(f.Ido, Qt::Key_Space);
    EXPECT_TRUE(f.settings().Iti().is(1));
    QTest::keyClick(f.Ido, Qt::Key_Return);
    EXPECT_TRUE(f.settings().Iti().is(0));
    QTest::keyClick(f.GLMS, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(f.settings().MemMni().is(0));
    QTest::keyClick(f.Image5, Qt::Key_Space);
    EXPECT_TRUE(h.form2Visible());
    EXPECT_EQ(h.form2().frontPage(), h.form2().pageWidget(Form2::PageId::Settings));
    EXPECT_TRUE(h.menuOpenedBy([&] { QTest::keyClick(f.Image1, Qt::Key_Return); }));
    QTest::keyClick(f.Image2, Qt::Key_Space);
    EXPECT_EQ(h.ended, 1);
}

TEST(ClockKeys, TheMenuKeyShiftF10AndARightClickAnywhereOpenTheMenu) {
    OnClock h;
    Form1& f = h.form1();
    const auto key = [](QWidget* at, Qt::Key pressed, Qt::KeyboardModifiers held = {}) {
        return [=] { QTest::keyClick(at, pressed, held); };
    };
    const auto menuEvent = [](QWidget* target, QContextMenuEvent::Reason reason) {
        return [=] {
            QContextMenuEvent event(reason, {2, 2}, target->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(target, &event);
        };
    };
    // Opened by a key, the menu highlights its first item, from which Up goes round to the last.
    EXPECT_EQ(h.menuOpenedBy(key(f.Ido, Qt::Key_Menu)), f.kvSys);
    EXPECT_EQ(h.menuOpenedBy(key(f.GLMS, Qt::Key_F10, Qt::ShiftModifier)), f.kvSys);
    EXPECT_EQ(h.menuOpenedBy(menuEvent(f.Image3, QContextMenuEvent::Keyboard)), f.kvSys);
    EXPECT_EQ(h.menuOpenedBy(key(&f, Qt::Key_Menu), key(f.pMenu, Qt::Key_Up)), f.kvEnd);
    EXPECT_FALSE(h.menuOpenedBy(key(f.Ido, Qt::Key_F10)));
    const QList<QWidget*> targets = {f.Label17, f.Label2, f.Label10, f.PB, f.Image4, &f};
    for (QWidget* target : targets) {
        EXPECT_EQ(h.menuOpenedBy(menuEvent(target, QContextMenuEvent::Mouse)), nullptr)
            << target->objectName().toStdString();
    }
    EXPECT_TRUE(f.testAttribute(Qt::WA_AlwaysShowToolTips));
}

// In the smaller size modes the controls beyond the window's edge are out of Tab's reach.
TEST(ClockKeys, TabSkipsButtonsOutsideTheWindow) {
    OnClock h;
    Form1& f = h.form1();
    EXPECT_EQ(f.Image7->focusPolicy(), Qt::NoFocus) << "beyond the standard window's edge";
    QTest::mouseClick(f.GLMS, Qt::LeftButton);
    QTest::mouseClick(f.GLMS, Qt::LeftButton);
    ASSERT_TRUE(f.settings().MemMni().is(2));
    EXPECT_TRUE(f.Image7->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(f.Ido->focusPolicy(), Qt::NoFocus);
}

#include "Harness.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/Page.h"
#include "functionscreen/SettingsPage.h"
#include "functionscreen/SystemPage.h"
#include "ui/Dialogs.h"
#include "ui/ListBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int TabsAroundTheWindow = 40;

struct Opened : Harness {
    Opened() {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        start();
        form1().kvSet->trigger();
        form2().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form2()));
    }
    AlarmPage& alarms() { return built(form2().Picture4); }
    QByteArray st() const { return file(QStringLiteral("St.kvi")); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void key(int key) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); }
    void clickRow(ListBox* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }
    QList<QWidget*> pages() {
        QList<QWidget*> all;
        for (auto page : {Form2::PageId::System, Form2::PageId::Drives, Form2::PageId::Wallpaper,
                          Form2::PageId::Alarm, Form2::PageId::Search, Form2::PageId::Settings,
                          Form2::PageId::Product})
            all << form2().pageWidget(page);
        return all;
    }
};

} // namespace

TEST(FrontPage, OnlyThePageInFrontIsShownAndTabStaysOnWhatIsSeen) {
    Opened h;
    Form2& form2 = h.form2();
    const QByteArray st = h.st();
    for (QAbstractButton* button :
         {form2.Command29, form2.Command30, form2.Command33, form2.Command31, form2.Command26,
          form2.Command35, form2.Command36}) {
        SCOPED_TRACE(button->text().toStdString());
        h.click(button);
        QWidget* front = form2.frontPage();
        for (QWidget* page : h.pages())
            EXPECT_EQ(page->isVisible(), page == front) << page->objectName().toStdString();
        for (int i = 0; i < TabsAroundTheWindow; ++i) {
            h.key(Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            EXPECT_TRUE(focused->isVisible()) << focused->objectName().toStdString();
        }
    }
    EXPECT_EQ(h.st(), st);
}

TEST(FrontPage, APageButtonMovesTheFocusIntoItsPage) {
    Opened h;
    Form2& form2 = h.form2();
    h.click(form2.Command31);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(h.alarms().List));
    h.click(form2.Command35);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(built(form2.Picture7).Check7));
}

// After システム, Tab and Space reached the settings page behind it: its check boxes rewrote
// St.kvi and its 標準 button shrank the clock.
TEST(FrontPage, SpaceOnWhatTabReachesChangesNothingBehindThePage) {
    Opened h;
    Form2& form2 = h.form2();
    const QList<QWidget*> pageButtons = {form2.Command37, form2.Command29, form2.Command30,
                                         form2.Command33, form2.Command31, form2.Command26,
                                         form2.Command35, form2.Command36};
    const QSize size = h.form1().size();
    const QByteArray st = h.st();
    const auto& powerButtons = form2.Picture1->Command6;
    h.click(form2.Command29);
    for (int i = 0; i < TabsAroundTheWindow; ++i) {
        h.key(Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        if (pageButtons.contains(focused))
            continue;
        // A power button asks first; its Cancel is part of changing nothing.
        if (std::find(powerButtons.begin(), powerButtons.end(), focused) != powerButtons.end())
            dialogs::script::push(dialogs::Answer::Cancel);
        h.key(Qt::Key_Space);
    }
    EXPECT_EQ(h.form1().size(), size);
    EXPECT_EQ(h.st(), st);
    EXPECT_EQ(h.ended, 0);
    EXPECT_TRUE(h.platform.callsOf(QStringLiteral("endSession")).isEmpty());
}

// Tabbing into a list with no row makes its first row current; that is no pick, so 設定なし
// still clears the slot picked before.
TEST(FrontPage, FocusOnAListIsNoPick) {
    Opened h;
    h.click(h.form2().Command31);
    h.clickRow(h.alarms().List, 9);
    EXPECT_EQ(h.form2().AlmNo, 9);
    h.form2().close();
    h.form1().Timer1_Timer();
    h.form1().kvWav->trigger();
    h.form2().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.form2()));
    AlarmPage& page = h.alarms();
    page.setEntry(0, QStringLiteral("/snd/zero.wav"));
    page.setEntry(9, QStringLiteral("/snd/nine.wav"));
    h.click(h.form2().Command31);
    page.Com->setFocus(Qt::TabFocusReason);
    page.List->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(h.form2().AlmNo, 9);
    h.click(page.Command11);
    EXPECT_EQ(page.Com->text(0), QStringLiteral("/snd/zero.wav"));
    EXPECT_EQ(page.Com->text(9), QStringLiteral("設定なし"));
}

// A click or Return on the row already current picks it again, so the other list follows.
TEST(FrontPage, PickingTheCurrentRowAgainSelectsItInTheOtherList) {
    Opened h;
    AlarmPage& page = h.alarms();
    h.click(h.form2().Command31);
    QTemporaryDir folder;
    const QString kvt = folder.filePath(QStringLiteral("alarmset.kvt"));
    QFile file(kvt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cp932Lines({QStringLiteral("\"/snd/a.wav\""), QStringLiteral("\"/snd/b.wav\""),
                           QStringLiteral("\"/snd/c.wav\"")}));
    file.close();

    h.clickRow(page.List, 2);
    dialogs::script::push(kvt);
    h.click(page.Command7);
    ASSERT_EQ(page.Com->currentRow(), -1);
    h.clickRow(page.List, 2);
    EXPECT_EQ(page.Com->currentRow(), 2);
    h.click(page.Command10);
    EXPECT_EQ(h.platform.calls.constLast(), QStringLiteral("playSound(/snd/c.wav)"));

    dialogs::script::push(kvt);
    h.click(page.Command7);
    page.List->setFocus();
    QTest::keyClick(page.List, Qt::Key_Return);
    EXPECT_EQ(page.Com->currentRow(), 2);
    EXPECT_EQ(h.form2().AlmNo, 2);
}

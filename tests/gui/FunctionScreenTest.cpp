#include "Harness.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/ProductPage.h"
#include "functionscreen/SettingsPage.h"
#include "functionscreen/WallpaperPage.h"
#include "ui/ClickableLabel.h"
#include "ui/Dialogs.h"
#include "ui/ListBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Loaded : Harness {
    Loaded() {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        start();
    }
};

} // namespace

TEST(FunctionScreen, EachMenuItemOpensItsPageAndButtonsSwitchPages) {
    Loaded h;
    Form1& f = h.form1();
    Form2& form2 = h.form2();
    EXPECT_EQ(form2.size(), QSize(434, 346));
    EXPECT_EQ(form2.windowTitle(), QStringLiteral("機能画面"));
    const std::pair<QAction*, Form2::PageId> items[] = {
        {f.kvSys, Form2::PageId::System},    {f.kvDriv, Form2::PageId::Drives},
        {f.kvBmp, Form2::PageId::Wallpaper}, {f.kvWav, Form2::PageId::Alarm},
        {f.kvDir, Form2::PageId::Search},    {f.kvSet, Form2::PageId::Settings},
        {f.kvVer, Form2::PageId::Product}};
    for (const auto& [item, page] : items) {
        item->trigger();
        EXPECT_TRUE(form2.isVisible());
        EXPECT_EQ(form2.frontPage(), form2.pageWidget(page)) << item->objectName().toStdString();
    }
    const std::pair<QAbstractButton*, Form2::PageId> buttons[] = {
        {form2.Command29, Form2::PageId::System},    {form2.Command30, Form2::PageId::Drives},
        {form2.Command33, Form2::PageId::Wallpaper}, {form2.Command31, Form2::PageId::Alarm},
        {form2.Command26, Form2::PageId::Search},    {form2.Command35, Form2::PageId::Settings},
        {form2.Command36, Form2::PageId::Product}};
    for (const auto& [button, page] : buttons) {
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(form2.frontPage(), form2.pageWidget(page)) << button->objectName().toStdString();
    }
    QTest::mouseClick(f.Image5, Qt::LeftButton);
    EXPECT_EQ(form2.frontPage(), form2.pageWidget(Form2::PageId::Settings));
}

TEST(FunctionScreen, ClosingUnloadsAndTheNextTickLoadsItAgainHidden) {
    Loaded h;
    Form1& f = h.form1();
    f.kvSet->trigger();
    built(h.form2().Picture7).Option3->setChecked(true);
    built(h.form2().Picture4).List->setCurrentRow(5);
    QTest::mouseClick(h.form2().Command37, Qt::LeftButton);
    EXPECT_FALSE(f.form2Loaded());
    EXPECT_FALSE(h.form2Visible());
    f.Timer1_Timer();
    EXPECT_TRUE(f.form2Loaded());
    Form2& again = h.form2();
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(h.form1().settings().YMD(), 1);
    EXPECT_TRUE(built(again.Picture7).Option3->isChecked());
    EXPECT_EQ(again.AlmNo, 5);
    EXPECT_EQ(built(again.Picture4).List->currentRow(), -1);
    f.kvVer->trigger();
    EXPECT_EQ(again.frontPage(), again.pageWidget(Form2::PageId::Product));
}

TEST(FunctionScreen, TimerKeepsTheLockBoxAndResolutionCurrent) {
    Loaded h;
    Form2& form2 = h.form2();
    h.platform.screen = QSize(1024, 768);
    h.form1().settings().setIti(Variant::number(1), Settings::Write::Later);
    form2.Timer1_Timer();
    EXPECT_TRUE(built(form2.Picture7).Check7->isChecked());
    EXPECT_EQ(built(form2.Picture3).Label21->text(), QStringLiteral("1024×768  ピクセル"));
    EXPECT_EQ(h.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("1,0,1,\"off\",12,0,0,0,1")}));
    EXPECT_EQ(form2.Timer1->interval(), 500);
    EXPECT_TRUE(form2.Timer1->isActive());
}

TEST(FunctionScreen, QtsOwnButtonsSpeakJapanese) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
}

TEST(FunctionScreen, FileFiltersBecomeQtFiltersWithoutRepeatingTheirPatterns) {
    EXPECT_EQ(dialogs::qtFilters(QStringLiteral("ＷＡＶＥサウンド(*.wav)|*.wav")),
              QStringList{QStringLiteral("ＷＡＶＥサウンド(*.wav)")});
    EXPECT_EQ(dialogs::qtFilters(QStringLiteral("Pictures|*.bmp;*.dib|All|*.*")),
              (QStringList{QStringLiteral("Pictures (*.bmp *.dib)"), QStringLiteral("All (*.*)")}));
}

TEST(FunctionScreen, PagesLieBelowTheButtonsAndTheSettingsPageAHairHigher) {
    Loaded h;
    Form2& form2 = h.form2();
    for (Form2::PageId page :
         {Form2::PageId::System, Form2::PageId::Drives, Form2::PageId::Wallpaper,
          Form2::PageId::Alarm, Form2::PageId::Search, Form2::PageId::Product})
        EXPECT_EQ(form2.pageWidget(page)->geometry(), QRect(0, 41, 428, 281));
    EXPECT_EQ(form2.Picture7->geometry(), QRect(0, 40, 428, 281));
}

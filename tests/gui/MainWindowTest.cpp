#include "Harness.h"
#include "Polling.h"
#include "functionscreen/SettingsPage.h"
#include "launcher/Form6.h"
#include "ui/ClickableLabel.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Shown : Harness {
    explicit Shown(const char* st = "0,0,1,\"off\",12,0,0,0,1") {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QString::fromUtf8(st)}));
        start();
    }
    void drag(QPoint by) {
        ClickableLabel* title = form1().Label10;
        QTest::mousePress(title, Qt::LeftButton, {}, {10, 5});
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 5) + by,
                         title->mapToGlobal(QPointF(10, 5) + by), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(title, &move);
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(10, 5) + by);
    }
};

} // namespace

TEST(MainWindow, ThePopupMenuHasItsItemsInOrder) {
    Shown s;
    QStringList captions;
    for (QAction* action : s.form1().pMenu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions.join(u'|'),
              QStringLiteral("システム|ドライブ|壁紙・解像度|アラーム設定|ファイル検索|"
                             "各種設定|製品情報|-|簡易ランチャー|-|終　了"));
    EXPECT_EQ(s.form1().Image2->toolTip(), QStringLiteral("モルベーンを終了"));
    EXPECT_EQ(s.form1().Ido->toolTip(), QStringLiteral("画面の移動"));
}

TEST(MainWindow, TheSizeButtonsCycleTheModes) {
    Shown s;
    Form1& f = s.form1();
    QTest::mouseClick(f.GLMS, Qt::LeftButton);
    EXPECT_EQ(f.size(), QSize(191, 69));
    QTest::mouseClick(f.GLMS, Qt::LeftButton);
    EXPECT_EQ(f.size(), QSize(273, 22));
    EXPECT_TRUE(f.GLMSa->isVisibleTo(&f));
    QTest::mouseClick(f.GLMSa, Qt::LeftButton);
    EXPECT_EQ(f.size(), QSize(251, 69));
    EXPECT_FALSE(f.GLMSa->isVisibleTo(&f));
    EXPECT_TRUE(f.Label10->text().isEmpty());
}

TEST(MainWindow, TheLockButtonReachesTheSettingsFileWithinAFunctionScreenTick) {
    Shown s;
    Form1& f = s.form1();
    QTest::mouseClick(f.Ido, Qt::LeftButton);
    EXPECT_TRUE(f.settings().Iti().is(1));
    EXPECT_EQ(s.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    s.form2().Timer1_Timer();
    EXPECT_TRUE(built(s.form2().Picture7).Check7->isChecked());
    EXPECT_EQ(s.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("1,0,1,\"off\",12,0,0,0,1")}));
    QTest::mouseClick(f.Ido, Qt::LeftButton);
    EXPECT_TRUE(f.settings().Iti().is(0));
}

TEST(MainWindow, DraggingIsRefusedWhileLockedButReleaseStillSaves) {
    Shown s("1,0,1,\"off\",12,0,0,0,1");
    Form1& f = s.form1();
    f.move(100, 100);
    s.drag({40, 30});
    EXPECT_EQ(f.pos(), QPoint(100, 100));
    EXPECT_TRUE(s.platform.callsOf(QStringLiteral("startWindowMove")).isEmpty());
    EXPECT_EQ(s.file(QStringLiteral("fiti.kvi")), cp932Lines({QStringLiteral("1500,1500")}));
}

TEST(MainWindow, DraggingMovesTheWindowItselfWhereTheSystemRefuses) {
    Shown s;
    Form1& f = s.form1();
    f.move(100, 100);
    s.drag({40, 30});
    EXPECT_EQ(s.platform.callsOf(QStringLiteral("startWindowMove")).size(), 1);
    EXPECT_EQ(f.pos(), QPoint(140, 130));
    EXPECT_EQ(s.file(QStringLiteral("fiti.kvi")), cp932Lines({QStringLiteral("2100,1950")}));
}

// weston's Xwayland moves the clock without Qt hearing of it: a shown settings page and the
// exit ask the window system.
TEST(MainWindow, APlaceOnlyTheWindowSystemKnowsIsShownOnTheOpenPageAndStoredAtTheExit) {
    Shown s;
    Form1& f = s.form1();
    f.move(100, 100);
    s.platform.movedByWindowManager = QPoint(310, 210);
    f.Timer1_Timer();
    SettingsPage& page = built(s.form2().Picture7);
    EXPECT_EQ(page.Label48->text(), QStringLiteral("100")) << "asked only for a shown page";
    s.form2().bringToFront(Form2::PageId::Settings);
    s.form2().showPage();
    f.Timer1_Timer();
    EXPECT_EQ(page.Label48->text() + u',' + page.Label51->text(), QStringLiteral("310,210"));
    f.endProgram();
    EXPECT_EQ(s.file(QStringLiteral("fiti.kvi")), cp932Lines({QStringLiteral("4650,3150")}));
}

TEST(MainWindow, TheLauncherPictureShowsTheLoadingWindow) {
    Shown s;
    QTest::mouseClick(s.form1().Image3, Qt::LeftButton);
    EXPECT_TRUE(s.form1().form6()->isVisible());
    EXPECT_TRUE(
        eventually([&] { return !s.form1().form6()->isVisible(); }, "the loading window to close"));
}

TEST(MainWindow, WhereTheDesktopPlacesWindowsTheStoredPlaceIsShownAndKept) {
    Harness h;
    h.platform.windowsPlaceable = false;
    h.setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    h.setFile(QStringLiteral("fiti.kvi"), QByteArray("9007,611\r\n"));
    Form1& f = h.start();
    f.move(0, 0);
    f.Timer1_Timer();
    SettingsPage& page = built(h.form2().Picture7);
    EXPECT_EQ(page.Label48->text(), QStringLiteral("600"));
    EXPECT_EQ(page.Label51->text(), QStringLiteral("41"));
    for (QCheckBox* front : {page.Check3, page.Check2})
        EXPECT_TRUE(front->toolTip().contains(QStringLiteral("前面に保つことはできません")));
    // The front settings still act on their stored values.
    page.Check3->setChecked(true);
    EXPECT_EQ(h.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("0,1,1,\"off\",12,0,0,0,1")}));
    f.endProgram();
    EXPECT_EQ(h.ended, 1);
    EXPECT_EQ(h.file(QStringLiteral("fiti.kvi")), QByteArray("9007,611\r\n"));
}

// openbox keeps a window in front when asked; weston's Xwayland and sway's keep none.
TEST(MainWindow, TheFrontBoxesSayWhereTheDesktopKeepsNoWindowInFront) {
    for (const bool keepsInFront : {true, false}) {
        Harness h;
        h.platform.keptInFront = keepsInFront;
        h.start();
        SettingsPage& page = built(h.form2().Picture7);
        for (QCheckBox* front : {page.Check3, page.Check2})
            EXPECT_EQ(front->toolTip().isEmpty(), keepsInFront);
    }
}

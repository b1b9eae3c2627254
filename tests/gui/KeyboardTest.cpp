#include "Harness.h"
#include "Polling.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/Form2.h"
#include "functionscreen/SearchPage.h"
#include "functionscreen/WallpaperPage.h"
#include "launcher/Form4.h"
#include "launcher/Form5.h"
#include "launcher/Launcher.h"
#include "ui/Dialogs.h"
#include "ui/ListBox.h"

#include <QListWidget>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

namespace script = dialogs::script;

struct Shown : Harness {
    explicit Shown(Form2::PageId page) {
        start();
        form2().bringToFront(page);
        form2().showPage();
    }
    Form4& launcher() {
        form1().kvLunc->trigger();
        EXPECT_TRUE(
            eventually([this] { return form1().launcher().form4() != nullptr; }, "the launcher"));
        return *form1().launcher().form4();
    }
};

void pressReturn(QWidget* widget, bool keypad = false) {
    widget->setFocus();
    if (keypad)
        QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::keyClick(widget, Qt::Key_Return);
}

} // namespace

TEST(Keyboard, ReturnAndEnterPressTheFocusedButtonOfEveryWindowAndSearchFromTheBoxes) {
    Shown h(Form2::PageId::System);
    Form2& f2 = h.form2();
    pressReturn(f2.Command26);
    EXPECT_EQ(f2.frontPage(), f2.pageWidget(Form2::PageId::Search)) << "a page button";
    SearchPage& search = *f2.Picture6;
    h.platform.folders[QStringLiteral("/found/")] = {{QStringLiteral("a.txt")}};
    search.Text5->setText(QStringLiteral("/found"));
    pressReturn(search.Text4);
    EXPECT_EQ(search.Label67->text(), QStringLiteral("1 個のヒット")) << "Return in a box";
    search.Text5->clear();
    script::push(dialogs::Answer::Ok);
    pressReturn(search.Command16, true);
    EXPECT_EQ(script::shown().size(), 1) << "keypad Enter on the search button";
    pressReturn(search.Check5);
    EXPECT_FALSE(search.Check5->isChecked()) << "Return ticks no box";
    Form4& launcher = h.launcher();
    pressReturn(launcher.Command2[0]);
    ASSERT_NE(launcher.editor(), nullptr) << "the launcher's settings button";
    pressReturn(launcher.editor()->Command3);
    EXPECT_TRUE(eventually([&] { return launcher.isEnabled(); }, "the editor's cancel"));
}

TEST(Keyboard, TheControlThatOpenedAFileOrFolderDialogHasTheFocusAgainHoweverItClosed) {
    Shown h(Form2::PageId::Search);
    Form4& launcher = h.launcher();
    launcher.Command2_Click(0);
    script::end(); // real dialogs, closed from inside their own loop
    const QString file = h.dataPath(QStringLiteral("St.kvi"));
    for (auto [browse, choice] : {std::pair{h.form2().Picture6->Command15, QString()},
                                  {launcher.editor()->Command1, file}}) {
        QTimer::singleShot(0, [choice] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (choice.isEmpty())
                return QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->selectFile(choice);
            static_cast<QDialog*>(dialog)->accept();
        });
        pressReturn(browse);
        EXPECT_TRUE(eventually([&] { return QApplication::focusWidget() == browse; },
                               "the focus back on the button"));
    }
    EXPECT_EQ(launcher.editor()->Label2->text(), file);
}

TEST(Keyboard, TheTwoAlarmListsScrollTogetherByBarWheelAndKeys) {
    Shown h(Form2::PageId::Alarm);
    AlarmPage& page = built(h.form2().Picture4);
    QScrollBar* times = page.List->verticalScrollBar();
    QScrollBar* sounds = page.Com->verticalScrollBar();
    ASSERT_TRUE(eventually([&] { return times->maximum() > 0; }, "the rows laid out"));
    times->setValue(5);
    EXPECT_EQ(sounds->value(), 5) << "a bar";
    QWheelEvent wheel({5, 5}, page.Com->viewport()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page.Com->viewport(), &wheel);
    EXPECT_GT(times->value(), 5) << "the wheel";
    EXPECT_EQ(times->value(), sounds->value());
    // A path longer than the list gives it a bottom bar; the time list keeps one too.
    page.setEntry(47, QString(300, u'x'));
    ASSERT_TRUE(
        eventually([&] { return page.List->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; },
                   "a bottom bar on the time list"));
    page.List->setFocus();
    QTest::keyClick(page.List, Qt::Key_End);
    EXPECT_EQ(page.Com->currentRow(), 47);
    EXPECT_EQ(times->value(), sounds->value()) << "keys, to the last row";
}

TEST(Keyboard, ArrowKeysInTheWallpaperListShowAndSetTheHighlightedFile) {
    Harness h;
    const QString folder = h.folder.filePath(QStringLiteral("pics"));
    h.platform.folders[folder] = {{QStringLiteral("a.bmp")}, {QStringLiteral("b.bmp")}};
    h.setFile(QStringLiteral("bg.kvi"), cp932Lines({u'"' + folder + u'"'}));
    h.start();
    h.form2().bringToFront(Form2::PageId::Wallpaper);
    h.form2().showPage();
    WallpaperPage& page = *h.form2().Picture3;
    ASSERT_TRUE(eventually([&] { return page.File1->count() == 2; }, "the bitmap listing"));
    page.File1->setFocus();
    page.File1->setCurrentRow(0);
    QTest::keyClick(page.File1, Qt::Key_Down);
    EXPECT_EQ(page.Label24->text(), folder + QStringLiteral("/b.bmp"));
    QTest::keyClick(page.File1, Qt::Key_Up);
    EXPECT_EQ(page.Label24->text(), folder + QStringLiteral("/a.bmp"));
    QTest::mouseClick(page.Command3, Qt::LeftButton);
    EXPECT_EQ(h.platform.calls.constLast(), QStringLiteral("setWallpaper(%1/a.bmp)").arg(folder));
}

TEST(Keyboard, TypingInTheFileTypeListChangesNothingAndChoosingFromItDoes) {
    Shown h(Form2::PageId::Search);
    SearchPage& page = *h.form2().Picture6;
    page.Combo1->setFocus();
    page.Combo1->lineEdit()->selectAll();
    QTest::keyClicks(page.Combo1, QStringLiteral("*.mp"));
    QTest::keyClick(page.Combo1, Qt::Key_Return);
    EXPECT_EQ(page.Combo1->lineEdit()->text(), QStringLiteral("*.mp")) << "nothing completes it";
    page.Combo1->lineEdit()->setText(QStringLiteral("*.mp3 (MP3)"));
    QTest::keyClick(page.Combo1, Qt::Key_Return);
    page.Text4->setFocus();
    EXPECT_EQ(page.Text4->text(), QString()) << "a typed entry, confirmed or left";
    page.Combo1->setFocus();
    QTest::keyClick(page.Combo1, Qt::Key_Down);
    EXPECT_FALSE(page.Text4->text().isEmpty()) << "an entry chosen by key";
    page.Combo1->showPopup();
    QAbstractItemView* rows = page.Combo1->view();
    rows->setCurrentIndex(rows->model()->index(13, 0));
    QTest::keyClick(rows, Qt::Key_Return);
    EXPECT_EQ(page.Text4->text(), QStringLiteral("*.html")) << "an entry chosen from the list";
}

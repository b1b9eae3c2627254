#include "launcher/Launcher.h"
#include "Harness.h"
#include "Polling.h"
#include "launcher/Form4.h"
#include "launcher/Form5.h"
#include "launcher/Form6.h"
#include "ui/ClickableLabel.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using dialogs::Answer;
using dialogs::Style;
namespace script = dialogs::script;

const QString Folders = QStringLiteral("Fold.kvi");
const QString Shortcuts = QStringLiteral("Shtcut.kvi");
const QString NewShortcut = QStringLiteral("新しいショートカット");
// A program on every system: the clock itself, as built.
const QString Program = QStringLiteral(MORVANE_EXECUTABLE);

QByteArray shortcutFile(const QList<QPair<int, QString>>& filled) {
    QStringList lines(30, QStringLiteral("\"\",\"新しいショートカット\""));
    for (const auto& [slot, path] : filled)
        lines[slot] = QStringLiteral("\"%1\",\"名前%2\"").arg(path).arg(slot);
    return cp932Lines(lines);
}

struct Open {
    Open() {
        h.setFile(QStringLiteral("St.kvi"),
                  cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        h.setFile(Folders, cp932Lines({QStringLiteral("\"仕事\""), QStringLiteral("\"遊び, 趣味\""),
                                       QStringLiteral("\"三\""), QStringLiteral("\"四\""),
                                       QStringLiteral("\"五\"")}));
        h.setFile(Shortcuts, shortcutFile({{0, Program}, {12, QStringLiteral("/gone/app")}}));
    }
    Form4& open() {
        h.start();
        h.form1().kvLunc->trigger();
        EXPECT_TRUE(
            eventually([this] { return h.form1().launcher().form4() != nullptr; }, "the launcher"));
        return *h.form1().launcher().form4();
    }
    Form5& edit(Form4& f, int slot) {
        QTest::mouseClick(f.Command2[slot], Qt::LeftButton);
        EXPECT_NE(f.editor(), nullptr);
        return *f.editor();
    }
    Form5& editFolder(Form4& f) {
        f.FolNameX->trigger();
        EXPECT_NE(f.editor(), nullptr);
        return *f.editor();
    }
    QString lastMessage() const { return script::shown().constLast().text; }
    Harness h;
};

} // namespace

TEST(Launcher, OpensThroughTheLoadingWindowOnTab1WithWhatTheFilesHold) {
    Open o;
    Form4& f = o.open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("簡易ランチャー"));
    EXPECT_FALSE(o.h.form1().form6()->isVisible());
    EXPECT_EQ(f.TabSa->count(), 5);
    EXPECT_EQ(f.TabSa->tabText(1), QStringLiteral("遊び, 趣味"));
    EXPECT_EQ(f.TabSa->currentIndex(), 0);
    EXPECT_EQ(f.Command1[0]->toolTip(), Program);
    EXPECT_EQ(f.Command1[0]->accessibleName(), QStringLiteral("名前0"));
    EXPECT_EQ(f.Command1[0]->accessibleDescription(), Program);
    EXPECT_EQ(f.Label1[0]->text(), QStringLiteral("名前0"));
    EXPECT_EQ(f.Label1[0]->buddy(), f.Command1[0]);
    EXPECT_TRUE(f.Command1[1]->toolTip().isEmpty());
    EXPECT_FALSE(f.Command1[1]->accessibleName().isEmpty());
    EXPECT_EQ(f.Label1[1]->text(), NewShortcut);
    EXPECT_EQ(f.Command2[29]->text(), QStringLiteral("設定"));
    EXPECT_TRUE(f.Picture1[0]->isVisible());
    EXPECT_FALSE(f.Picture1[2]->isVisible());

    f.TabSa->tabBar()->setCurrentIndex(2);
    EXPECT_EQ(f.currentPage, 2);
    EXPECT_TRUE(f.Picture1[2]->isVisible());
    EXPECT_FALSE(f.Picture1[0]->isVisible());
    // Shown again while loaded, it is only brought forward.
    emit o.h.form1().Image3->clicked();
    ASSERT_TRUE(eventually([&] { return !o.h.form1().form6()->isVisible(); },
                           "the loading window to close"));
    EXPECT_EQ(o.h.form1().launcher().form4(), &f);
    EXPECT_EQ(f.currentPage, 2);
}

TEST(Launcher, DamagedFilesStartFromTheDefaultsWithOneMessageAndAreKept) {
    Open o;
    o.h.setFile(Folders, cp932Lines({QStringLiteral("\"仕事\"")}));
    o.h.removeFile(Shortcuts);
    o.h.start();
    script::push(Answer::Ok);
    o.h.form1().kvLunc->trigger();
    ASSERT_TRUE(
        eventually([&] { return o.h.form1().launcher().form4() != nullptr; }, "the launcher"));
    Form4& f = *o.h.form1().launcher().form4();
    ASSERT_EQ(script::shown().size(), 1);
    EXPECT_TRUE(o.lastMessage().contains(QStringLiteral("Fold.kvi.bak")));
    EXPECT_TRUE(o.lastMessage().contains(Shortcuts));
    EXPECT_EQ(o.h.file(QStringLiteral("Fold.kvi.bak")), cp932Lines({QStringLiteral("\"仕事\"")}));
    EXPECT_EQ(f.TabSa->tabText(4), QStringLiteral("フォルダ５"));
    EXPECT_EQ(f.Label1[29]->text(), NewShortcut);
    EXPECT_EQ(o.h.file(Shortcuts), datafile::deliveredDefault(Shortcuts));
}

TEST(Launcher, AFilledSlotStartsItsPathAndClosesEditorAndLauncherAnEmptyOneDoesNothing) {
    Open o;
    Form4& f = o.open();
    QTest::mouseClick(f.Command1[1], Qt::LeftButton);
    EXPECT_TRUE(o.h.platform.callsOf(QStringLiteral("startProgram")).isEmpty());
    EXPECT_TRUE(f.isVisible());
    QTest::mouseClick(f.Command1[0], Qt::LeftButton);
    EXPECT_EQ(o.h.platform.callsOf(QStringLiteral("startProgram")),
              QStringList{QStringLiteral("startProgram(%1)").arg(Program)});
    EXPECT_EQ(o.h.form1().launcher().form4(), nullptr);
}

TEST(Launcher, AFailedStartSaysSoAndBringsTheLauncherBackOnTab1) {
    Open o;
    o.h.platform.programStarts = false;
    Form4& f = o.open();
    f.TabSa->setCurrentIndex(2);
    script::push(Answer::Ok);
    QTest::mouseClick(f.Command1[12], Qt::LeftButton);
    ASSERT_EQ(script::shown().size(), 1);
    EXPECT_EQ(o.lastMessage(), QStringLiteral("リンク先のファイルが見つかりません。"));
    EXPECT_EQ(script::shown().constLast().style, Style::Ok);
    Form4* again = o.h.form1().launcher().form4();
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, &f);
    EXPECT_EQ(again->TabSa->currentIndex(), 0);
    EXPECT_EQ(again->Command1[12]->toolTip(), QStringLiteral("/gone/app"));
}

TEST(Launcher, TheLauncherIsDisabledExactlyWhileTheEditorIsOpenThroughEveryExit) {
    Open o;
    Form4& f = o.open();
    const QList<std::function<void(Form5&)>> shortcutExits = {
        [](Form5& e) { QTest::mouseClick(e.Command3, Qt::LeftButton); },
        [](Form5& e) { QTest::keyClick(e.Text1, Qt::Key_Escape); },
        [](Form5& e) { e.close(); },
        [](Form5& e) { QTest::mouseClick(e.Command2, Qt::LeftButton); },
        [](Form5& e) {
            script::push(Answer::Yes);
            script::push(Answer::Ok);
            QTest::mouseClick(e.Command4, Qt::LeftButton);
        },
    };
    // Disabling the launcher takes its focus; every exit gives it back to the opener.
    const auto focusBackOn = [](QWidget* opener) {
        return eventually([opener] { return QApplication::focusWidget() == opener; },
                          "the focus back on the editor's opener");
    };
    for (const auto& exit : shortcutExits) {
        Form5& e = o.edit(f, 0);
        EXPECT_FALSE(f.isEnabled());
        EXPECT_TRUE(e.isVisible());
        exit(e);
        EXPECT_TRUE(f.isEnabled());
        EXPECT_EQ(f.editor(), nullptr);
        EXPECT_TRUE(focusBackOn(f.Command2[0]));
    }
    const QList<std::function<void(Form5&)>> folderExits = {
        [](Form5& e) { QTest::mouseClick(e.Command5, Qt::LeftButton); },
        [](Form5& e) { QTest::keyClick(e.Text2, Qt::Key_Escape); },
        [](Form5& e) { QTest::mouseClick(e.Command6, Qt::LeftButton); },
    };
    for (const auto& exit : folderExits) {
        Form5& e = o.editFolder(f);
        EXPECT_FALSE(f.isEnabled());
        EXPECT_TRUE(e.P2->isVisible());
        EXPECT_FALSE(e.P1->isVisible());
        exit(e);
        EXPECT_TRUE(f.isEnabled());
        EXPECT_EQ(f.editor(), nullptr);
        EXPECT_TRUE(focusBackOn(f.TabSa->tabBar()));
    }
    // While it is disabled the launcher cannot be closed from its title bar either.
    o.edit(f, 1);
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
}

TEST(Launcher, TheEditorShowsItsCaptionsAndRefusesWhatIsNoProgram) {
    Open o;
    Form4& f = o.open();
    Form5& e = o.edit(f, 1);
    EXPECT_EQ(e.windowTitle(), QStringLiteral("モルベーン"));
    EXPECT_FALSE(e.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(e.Command2->text(), QStringLiteral("確　定"));
    EXPECT_EQ(e.Command1->text(), QStringLiteral("参　照"));
    EXPECT_EQ(e.Command4->text(), QStringLiteral("削　除"));
    EXPECT_EQ(e.Command3->text(), QStringLiteral("取消 ／ 閉じる"));
    EXPECT_EQ(e.Label2->text(), QStringLiteral("実行ファイル(exe)を選択してください。"));
    EXPECT_EQ(e.Text1->text(), NewShortcut);
    EXPECT_EQ(e.Label3[0]->buddy(), e.Text1);
    // Enter in the name box presses no button: an unexpected dialog would fail the test.
    QTest::keyClick(e.Text1, Qt::Key_Return);
    EXPECT_TRUE(script::shown().isEmpty());

    script::push(Answer::Ok);
    QTest::mouseClick(e.Command2, Qt::LeftButton);
    EXPECT_EQ(o.lastMessage(), QStringLiteral("実行ファイルを選択してください。"));
    EXPECT_EQ(script::shown().constLast().style, Style::OkExclamation);

    script::push(QStringLiteral("C:\\TOOLS\\app.Exe"));
    QTest::mouseClick(e.Command1, Qt::LeftButton);
    const script::Shown browse = script::shown().constLast();
    EXPECT_EQ(browse.title, QStringLiteral("実行ファイルの選択"));
    EXPECT_TRUE(dialogs::qtFilters(browse.text).constFirst().contains(u'*'));
    EXPECT_TRUE(browse.text.contains(QStringLiteral("実行ファイル(*.exe)|*.exe")));
    EXPECT_EQ(e.Label2->text(), QStringLiteral("C:\\TOOLS\\app.Exe"));
    script::push(Answer::Ok);
    QTest::mouseClick(e.Command2, Qt::LeftButton);
    EXPECT_EQ(o.lastMessage(), QStringLiteral("実行ファイルを選択してください。"));
    script::push(script::Cancel{});
    QTest::mouseClick(e.Command1, Qt::LeftButton);
    EXPECT_EQ(e.Label2->text(), QStringLiteral("C:\\TOOLS\\app.Exe"));
    EXPECT_FALSE(f.isEnabled());
    EXPECT_TRUE(f.Command1[1]->toolTip().isEmpty());
    EXPECT_EQ(o.h.file(Shortcuts), shortcutFile({{0, Program}, {12, QStringLiteral("/gone/app")}}));
}

TEST(Launcher, ConfirmRewritesAllSlotsAndOnlyTheEditedRecordChanges) {
    Open o;
    Form4& f = o.open();
    const QList<QByteArray> before = o.h.file(Shortcuts).split('\n');
    Form5& e = o.edit(f, 7);
    script::push(QStringLiteral("C:\\TOOLS\\APP.EXE"));
    QTest::mouseClick(e.Command1, Qt::LeftButton);
    e.Text1->setText(QStringLiteral("道具, 一"));
    QTest::mouseClick(e.Command2, Qt::LeftButton);
    EXPECT_EQ(f.Command1[7]->toolTip(), QStringLiteral("C:\\TOOLS\\APP.EXE"));
    EXPECT_EQ(f.Label1[7]->text(), QStringLiteral("道具, 一"));
    const QList<QByteArray> after = o.h.file(Shortcuts).split('\n');
    ASSERT_EQ(after.size(), before.size());
    for (int n = 0; n < 30; ++n) {
        if (n != 7) {
            EXPECT_EQ(after[n], before[n]) << n;
        }
    }
    EXPECT_EQ(after[7] + '\n', cp932Lines({QStringLiteral("\"C:\\TOOLS\\APP.EXE\",\"道具, 一\"")}));

    // Only the name of a filled slot: its path stays.
    Form5& again = o.edit(f, 0);
    EXPECT_EQ(again.Label2->text(), Program);
    again.Text1->clear();
    QTest::mouseClick(again.Command2, Qt::LeftButton);
    EXPECT_EQ(f.Command1[0]->toolTip(), Program);
    EXPECT_TRUE(o.h.file(Shortcuts).startsWith('"' + Program.toLatin1() + "\",\"\"\r\n"));
}

TEST(Launcher, DeleteOnAnEmptySlotAsksWithAnEmptyLineAndWritesTheNewShortcut) {
    Open o;
    Form4& f = o.open();
    Form5& e = o.edit(f, 3);
    script::push(Answer::No);
    QTest::mouseClick(e.Command4, Qt::LeftButton);
    EXPECT_EQ(o.lastMessage(), QStringLiteral("選択したショートカットを削除しますか？\r\n\r\n"));
    EXPECT_EQ(script::shown().constLast().style, Style::YesNoQuestion);
    EXPECT_FALSE(f.isEnabled());
    script::push(Answer::Yes);
    script::push(Answer::Ok);
    QTest::mouseClick(e.Command4, Qt::LeftButton);
    EXPECT_EQ(o.lastMessage(), QStringLiteral("削除されました。"));
    EXPECT_TRUE(f.isEnabled());

    Form5& filled = o.edit(f, 0);
    script::push(Answer::Yes);
    script::push(Answer::Ok);
    QTest::mouseClick(filled.Command4, Qt::LeftButton);
    EXPECT_TRUE(script::shown()[script::shown().size() - 2].text.endsWith(Program));
    EXPECT_TRUE(f.Command1[0]->toolTip().isEmpty());
    EXPECT_TRUE(f.Command1[0]->icon().isNull());
    EXPECT_TRUE(o.h.file(Shortcuts).startsWith(
        cp932Lines({QStringLiteral("\"\",\"新しいショートカット\"")})));
}

TEST(Launcher, ARightClickOnAnyTabRenamesTheSelectedOne) {
    Open o;
    Form4& f = o.open();
    f.TabSa->setCurrentIndex(2);
    QTabBar* bar = f.TabSa->tabBar();
    QTest::mouseClick(bar, Qt::RightButton, {}, bar->tabRect(4).center());
    EXPECT_TRUE(f.pMenu1->isVisible());
    EXPECT_EQ(f.TabSa->currentIndex(), 2);
    f.pMenu1->hide();
    Form5& e = o.editFolder(f);
    EXPECT_EQ(e.TabNo, 3);
    EXPECT_EQ(e.Text2->text(), QStringLiteral("三"));

    e.Text2->clear();
    script::push(Answer::Ok);
    QTest::mouseClick(e.Command6, Qt::LeftButton);
    EXPECT_EQ(o.lastMessage(), QStringLiteral("ファイル名を入力してください。"));
    EXPECT_EQ(e.Text2->text(), QStringLiteral("三"));
    e.Text2->setText(QStringLiteral("  "));
    QTest::mouseClick(e.Command6, Qt::LeftButton);
    EXPECT_EQ(f.TabSa->tabText(2), QStringLiteral("  "));
    EXPECT_EQ(f.Picture1[2]->accessibleName(), QStringLiteral("  "));
    EXPECT_EQ(
        o.h.file(Folders),
        cp932Lines({QStringLiteral("\"仕事\""), QStringLiteral("\"遊び, 趣味\""),
                    QStringLiteral("\"  \""), QStringLiteral("\"四\""), QStringLiteral("\"五\"")}));
}

TEST(Launcher, TextsTheFileCannotHoldAreRefusedAndAFailedSaveKeepsWhatTheUserChose) {
    Open o;
    Form4& f = o.open();
    const QByteArray before = o.h.file(Shortcuts);
    Form5& e = o.edit(f, 0);
    e.Text1->setText(QStringLiteral("a \"quoted\" name"));
    script::push(Answer::Ok);
    QTest::mouseClick(e.Command2, Qt::LeftButton);
    EXPECT_TRUE(o.lastMessage().contains(u'"'));
    EXPECT_EQ(f.Label1[0]->text(), QStringLiteral("名前0"));
    EXPECT_FALSE(f.isEnabled());
    EXPECT_EQ(o.h.file(Shortcuts), before);

    QFile::setPermissions(o.h.dataPath(Shortcuts), QFile::ReadOwner);
    e.Text1->setText(QStringLiteral("新しい名前"));
    script::push(Answer::Ok);
    QTest::mouseClick(e.Command2, Qt::LeftButton);
    EXPECT_TRUE(o.lastMessage().contains(Shortcuts));
    EXPECT_EQ(f.Label1[0]->text(), QStringLiteral("新しい名前"));
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(o.h.file(Shortcuts), before);
}

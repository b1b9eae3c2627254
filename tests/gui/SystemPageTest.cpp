#include "functionscreen/SystemPage.h"
#include "Harness.h"
#include "functionscreen/Form2.h"
#include "ui/Dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Tail = QStringLiteral("\n作業中のものは保存して終了しておく必要があります。");

struct Box {
    const char* title;
    const char* question;
    const char* request;
};
const Box Boxes[] = {
    {"Windpwsのログオフ", "ログオフしますか？", "endSession(0)"},
    {"コンピュータのシャットダウン", "コンピュータの電源を切れる状態にしますか？", "endSession(1)"},
    {"コンピュータのシャットダウン", "コンピュータを再起動しますか？", "endSession(2)"},
};

struct OnSystemPage : Harness {
    OnSystemPage() {
        start();
        form1().kvSys->trigger();
    }
    SystemPage& page() { return *form2().Picture1; }
};

} // namespace

TEST(SystemPage, ShowsTheMachinesFiguresOfTheMomentItLoads) {
    Harness h;
    h.platform.version = {4, 10, 1998, QStringLiteral("Debian GNU/Linux 13 (trixie)")};
    h.start();
    SystemPage& page = *h.form2().Picture1;
    page.ensureBuilt();
    EXPECT_EQ(page.Label14->text(), QStringLiteral("4．10"));
    EXPECT_EQ(page.Label16->text(), QStringLiteral("1998"));
    EXPECT_EQ(page.Label18->text(), QStringLiteral("Debian GNU/Linux 13 (trixie)"));
    EXPECT_EQ(page.Label9->text(), QStringLiteral("desk"));
    EXPECT_EQ(page.Label26->text(), QStringLiteral("user"));
    EXPECT_EQ(page.Label13->geometry(), QRect(8, 108, 128, 17));
    EXPECT_EQ(page.Label14->geometry(), QRect(80, 124, 56, 17));

    // Read once per load: a change shows only after the next opening.
    h.platform.version = {5, 0, 2195, QString()};
    h.platform.user.reset();
    h.form1().kvSys->trigger();
    EXPECT_EQ(page.Label14->text(), QStringLiteral("4．10"));
    h.form2().Unload();
    h.form1().Timer1_Timer();
    SystemPage& again = *h.form2().Picture1;
    again.ensureBuilt();
    EXPECT_EQ(again.Label14->text(), QStringLiteral("5．0"));
    EXPECT_EQ(again.Label18->text(), QString());
    EXPECT_EQ(again.Label26->text(), QStringLiteral("ユーザー名を取得できませんでした。"));
}

TEST(SystemPage, PowerButtonsStandLogOffRestartPowerOff) {
    OnSystemPage p;
    const auto& buttons = p.page().Command6;
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("Windowsのログオフ"));
    EXPECT_EQ(buttons[1]->text(), QStringLiteral("電源の切れる状態"));
    EXPECT_EQ(buttons[2]->text(), QStringLiteral("再起動"));
    EXPECT_LT(buttons[0]->y(), buttons[2]->y());
    EXPECT_LT(buttons[2]->y(), buttons[1]->y());
    EXPECT_EQ(buttons[1]->geometry(), QRect(272, 232, 129, 25));
}

TEST(SystemPage, CancelInEachBoxChangesNothing) {
    OnSystemPage p;
    const QByteArray position = p.file(QStringLiteral("fiti.kvi"));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        dialogs::script::push(dialogs::Answer::Cancel);
        QTest::mouseClick(p.page().Command6[std::size_t(i)], Qt::LeftButton);
        const dialogs::script::Shown& box = dialogs::script::shown().constLast();
        EXPECT_EQ(box.title, QString::fromUtf8(Boxes[i].title));
        EXPECT_EQ(box.text, QString::fromUtf8(Boxes[i].question) + Tail);
        EXPECT_EQ(box.style, dialogs::Style::OkCancelStopCancelDefault);
    }
    EXPECT_TRUE(p.platform.callsOf(QStringLiteral("endSession")).isEmpty());
    EXPECT_TRUE(p.platform.callsOf(QStringLiteral("playSound")).isEmpty());
    EXPECT_EQ(p.ended, 0);
    EXPECT_EQ(p.file(QStringLiteral("fiti.kvi")), position);
}

TEST(SystemPage, OkRequestsStopsTheSoundAndEndsWithoutWriting) {
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        for (bool accepted : {true, false}) {
            OnSystemPage p;
            const QByteArray position = p.file(QStringLiteral("fiti.kvi"));
            p.platform.calls.clear();
            dialogs::script::push(dialogs::Answer::Ok);
            QTest::mouseClick(p.page().Command6[std::size_t(i)], Qt::LeftButton);
            const QString request = QString::fromUtf8(Boxes[i].request);
            EXPECT_EQ(p.platform.calls, QStringList{request});
            EXPECT_EQ(p.ended, 0) << "the program waits for logind's answer";
            for (QPushButton* button : p.page().Command6)
                EXPECT_FALSE(button->isEnabled()) << "a second request while the first waits";
            p.form2().Unload(); // the answer may come after the page is gone
            p.platform.sessionEndAnswer(accepted);
            EXPECT_EQ(p.platform.calls, QStringList({request, QStringLiteral("playSound()")}));
            EXPECT_EQ(p.ended, 1) << "the program ends whatever logind answered";
            EXPECT_EQ(p.file(QStringLiteral("fiti.kvi")), position);
        }
    }
}

// The clock's meter reaches the page through the function screen from the start on: the
// figures of the last tick before the page was first seen show at once, later ones live.
TEST(SystemPage, MemoryFiguresOfTicksBeforeTheFirstShowingShowAtIt) {
    Harness h;
    h.start();
    const auto memoryLines = [&h] {
        const SystemPage& page = *h.form2().Picture1;
        return QStringList{page.Label11->text(), page.Label3->text(), page.Label6->text()};
    };
    const struct {
        quint64 totalMb, freeMb;
        QStringList lines;
    } ticks[] = {
        {254,
         100,
         {QStringLiteral("約 256 MB"), QStringLiteral("約 156 MB"), QStringLiteral("約 100 MB")}},
        {510,
         41,
         {QStringLiteral("約 512 MB"), QStringLiteral("約 471 MB"), QStringLiteral("約 41 MB")}},
        {1022,
         1000,
         {QStringLiteral("約 1024 MB"), QStringLiteral("約 24 MB"), QStringLiteral("約 1000 MB")}},
    };
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        SCOPED_TRACE(i);
        h.platform.memory = {ticks[i].totalMb * 1048576, ticks[i].freeMb * 1048576};
        h.form1().Timer1_Timer();
        if (i == 1) {
            EXPECT_FALSE(h.form2().Picture1->isBuilt()) << "the ticks alone build nothing";
            h.form1().kvSys->trigger();
        }
        if (i >= 1) {
            EXPECT_EQ(memoryLines(), ticks[i].lines);
        }
    }
}

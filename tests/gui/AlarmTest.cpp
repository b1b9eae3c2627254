#include "Harness.h"
#include "core/AlarmTable.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/SettingsPage.h"
#include "ui/ClickableLabel.h"
#include "ui/Dialogs.h"
#include "ui/ListBox.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Alarmed : Harness {
    explicit Alarmed(const char* st = "0,0,1,\"off\",24,0,0,1,1") {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QString::fromUtf8(st)}));
        QStringList table(48, QStringLiteral("\"設定なし\""));
        for (int slot = 0; slot < 48; slot += 3)
            table[slot] = QStringLiteral("\"/snd/%1.wav\"").arg(slot);
        setFile(QStringLiteral("alarmset.kvi"), cp932Lines(table));
    }
    // One tick at every quarter second of the span, as the clock window runs.
    void run(QTime from, QTime to) {
        for (QTime t = from; t <= to && t.isValid(); t = t.addMSecs(250)) {
            clock.set(t.hour(), t.minute(), t.second());
            form1().Timer1_Timer();
            if (t.addMSecs(250) < t)
                break;
        }
    }
    QStringList played() const { return platform.callsOf(QStringLiteral("playSound")); }
    AlarmPage& page() { return built(form2().Picture4); }
};

QString playOf(int slot) {
    return QStringLiteral("playSound(/snd/%1.wav)").arg(slot);
}

} // namespace

TEST(Alarm, EverySlotWithASoundFiresOnceOverADay) {
    Alarmed a;
    a.clock.set(0, 0, 20);
    a.start();
    a.run(QTime(0, 0, 20), QTime(23, 59, 59));
    QStringList expected;
    for (int slot = 3; slot < 48; slot += 3)
        expected << playOf(slot);
    EXPECT_EQ(a.played(), expected) << "slot 0 began before the start and must stay silent";
}

TEST(Alarm, SwitchedOnAfterMinute29TheHalfHourSoundsAtOnce) {
    Alarmed a("0,0,1,\"off\",24,0,0,0,1");
    a.clock.set(10, 29, 50);
    a.start();
    a.run(QTime(10, 29, 50), QTime(10, 30, 39));
    QTest::mouseClick(built(a.form2().Picture7).Command20, Qt::LeftButton);
    a.run(QTime(10, 30, 40), QTime(10, 30, 42));
    EXPECT_EQ(a.played(), QStringList{playOf(21)});
}

TEST(Alarm, ASleepThroughMinute29MissesTheHalfHour) {
    Alarmed a;
    a.clock.set(8, 20);
    a.start();
    a.run(QTime(8, 20), QTime(8, 21));
    a.run(QTime(8, 30), QTime(8, 31));
    EXPECT_TRUE(a.played().isEmpty());
    a.run(QTime(8, 59), QTime(9, 0, 5));
    EXPECT_EQ(a.played(), QStringList{playOf(18)});
}

TEST(Alarm, NoSoundStillTakesTheSlotAndTwelveHourModeUsesTheSameSlots) {
    Alarmed a("0,0,1,\"off\",12,0,0,1,1");
    a.clock.set(14, 59);
    a.start();
    a.run(QTime(14, 59), QTime(15, 0, 5));
    EXPECT_EQ(a.played(), QStringList{playOf(30)});
    a.page().setEntry(31, alarmtable::NoSound);
    a.run(QTime(15, 29), QTime(15, 30, 1));
    a.page().setEntry(31, QStringLiteral("/snd/late.wav"));
    a.run(QTime(15, 30, 2), QTime(15, 30, 10));
    EXPECT_EQ(a.played(), QStringList{playOf(30)});
    EXPECT_EQ(a.form2().AlmNo, 31);
    EXPECT_EQ(a.page().List->currentRow(), 31);
}

TEST(Alarm, TheWindowIsRaisedAndLoweredUnlessAlwaysOnTop) {
    Alarmed a;
    a.clock.set(5, 59);
    a.start();
    a.platform.calls.clear();
    a.run(QTime(5, 59), QTime(6, 0, 1));
    EXPECT_EQ(a.platform.calls, (QStringList{playOf(12), QStringLiteral("setTopmost(1)"),
                                             QStringLiteral("setTopmost(0)")}));

    Alarmed top("0,1,1,\"off\",24,0,0,1,1");
    top.clock.set(5, 59);
    top.start();
    top.platform.calls.clear();
    top.run(QTime(5, 59), QTime(6, 0, 1));
    EXPECT_EQ(top.platform.calls, (QStringList{playOf(12), QStringLiteral("setTopmost(1)")}));
}

TEST(Alarm, TheSwitchFlipsCaptionLampAndSettingsFile) {
    Alarmed a;
    Form1& f = a.start();
    QPushButton* button = built(a.form2().Picture7).Command20;
    EXPECT_EQ(button->text(), QStringLiteral("アラームOFF"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), QStringLiteral("アラームON"));
    EXPECT_EQ(f.Image4->pixmap().toImage(), f.A_Off.toImage());
    EXPECT_EQ(a.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("0,0,1,\"off\",24,0,0,0,1")}));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), QStringLiteral("アラームOFF"));
    EXPECT_EQ(f.Image4->pixmap().toImage(), f.A_On.toImage());
    EXPECT_EQ(a.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("0,0,1,\"off\",24,0,0,1,1")}));
}

TEST(Alarm, ADamagedTableFoundByTheTickIsToldOnlyOnceTheFunctionScreenIsLoaded) {
    Alarmed a;
    a.clock.set(10, 29, 50);
    a.start();
    a.run(QTime(10, 29, 50), QTime(10, 30, 0));
    a.form2().close();
    ASSERT_FALSE(a.form1().form2Loaded());
    a.setFile(QStringLiteral("alarmset.kvi"), QByteArray("\"damaged\r\n"));

    // The box's event loop keeps the clock's timer firing: one more tick runs meanwhile.
    int rowsWhileOpen = -1;
    QString timeWhileOpen;
    dialogs::script::push(dialogs::script::WhileOpen{[&] {
        rowsWhileOpen = a.page().Com->count();
        timeWhileOpen = a.form1().Label17->text();
        a.clock.set(10, 30, 1);
        a.form1().Timer1_Timer();
    }});
    a.clock.set(10, 30, 0);
    a.form1().Timer1_Timer();

    ASSERT_EQ(dialogs::script::shown().size(), 1);
    EXPECT_TRUE(dialogs::script::shown()[0].text.contains(QStringLiteral("alarmset.kvi")));
    EXPECT_EQ(rowsWhileOpen, 48) << "the box opened before the table was loaded";
    EXPECT_EQ(timeWhileOpen, QStringLiteral("10:30")) << "the box opened before the tick ended";
    EXPECT_TRUE(a.played().isEmpty()) << "the delivered table has no sound at 10:30";
    EXPECT_EQ(a.page().Com->currentRow(), 21);
}

TEST(Alarm, ATickThatStartsInsideAnotherDoesNothing) {
    Alarmed a;
    a.clock.set(5, 59);
    a.start();
    a.run(QTime(5, 59), QTime(6, 0));
    int nested = 0;
    a.platform.whilePlaying = [&] {
        if (nested++ == 0)
            a.form1().Timer1_Timer();
    };
    a.run(QTime(6, 0, 0, 250), QTime(6, 0, 1));
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(a.played(), QStringList{playOf(12)});
}

TEST(Alarm, TheTickAndThePageShareOneTableAlsoBeforeThePageFirstShows) {
    Alarmed a;
    a.clock.set(7, 29);
    a.start();
    AlarmPage& table = *a.form2().Picture4;
    table.setEntry(15, QStringLiteral("/snd/unsaved.wav"));
    a.run(QTime(7, 29), QTime(7, 30, 1));
    EXPECT_EQ(a.played(), QStringList{QStringLiteral("playSound(/snd/unsaved.wav)")})
        << "an edit not yet saved fires";
    EXPECT_FALSE(table.isBuilt()) << "the alarm needs no list";
    a.form1().kvWav->trigger();
    EXPECT_EQ(a.page().Com->currentRow(), 15) << "the tick's pick shows in the page";
    EXPECT_EQ(a.page().List->currentRow(), 15);
    EXPECT_EQ(a.page().Com->text(15), QStringLiteral("/snd/unsaved.wav"));
    QTest::mouseClick(a.form2().Command37, Qt::LeftButton);
    a.run(QTime(7, 30, 2), QTime(7, 30, 3));
    EXPECT_EQ(a.form2().Picture4->entries()[15], QStringLiteral("/snd/15.wav"))
        << "closing throws the edit away and the next load reads the file";
}

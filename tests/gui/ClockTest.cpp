#include "Harness.h"
#include "functionscreen/SettingsPage.h"
#include "functionscreen/SystemPage.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

struct Ticking : Harness {
    explicit Ticking(const char* st = "0,0,1,\"off\",12,0,0,0,1") {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QString::fromUtf8(st)}));
        start();
    }
    void tickAt(int hour, int minute, int second = 0) {
        clock.set(hour, minute, second);
        form1().Timer1_Timer();
    }
    QColor lamp(QLabel* label) { return colours::text(label); }
};

const QColor Dim(64, 64, 64);

} // namespace

TEST(Clock, TwelveHourLampsFollowNoonAndMidnight) {
    Ticking c;
    Form1& f = c.form1();
    colours::setText(f.Label2, QColor(10, 200, 30));
    c.tickAt(12, 0);
    EXPECT_EQ(f.Label17->text(), QStringLiteral("12:00"));
    EXPECT_EQ(c.lamp(f.tPM), QColor(10, 200, 30));
    EXPECT_EQ(c.lamp(f.tAM), Dim);
    c.tickAt(0, 5);
    EXPECT_EQ(f.Label17->text(), QStringLiteral("12:05"));
    EXPECT_EQ(c.lamp(f.tAM), QColor(10, 200, 30));
    EXPECT_EQ(c.lamp(f.tPM), Dim);
    c.tickAt(10, 5);
    EXPECT_EQ(f.Label17->text(), QStringLiteral("10:05"));
}

TEST(Clock, TwentyFourHourClockHasNoLeadingZeroAndDimLamps) {
    Ticking c("0,0,1,\"off\",24,1,0,0,1");
    Form1& f = c.form1();
    c.tickAt(9, 5, 3);
    EXPECT_EQ(f.Label17->text(), QStringLiteral("9:05"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("03"));
    EXPECT_EQ(f.Label4->text(), QStringLiteral("09"));
    EXPECT_EQ(f.Label2->text(), QStringLiteral("02/7/15 (Mon)"));
    EXPECT_EQ(c.lamp(f.tAM), Dim);
    EXPECT_EQ(c.lamp(f.tPM), Dim);
    c.tickAt(0, 0);
    EXPECT_EQ(f.Label17->text(), QStringLiteral("0:00"));
}

TEST(Clock, MinutesSeenByTheAlarmLagOneTick) {
    Ticking c("0,0,1,\"off\",24,0,0,0,1");
    Form1& f = c.form1();
    c.tickAt(9, 59, 59);
    c.tickAt(10, 0, 0);
    EXPECT_EQ(f.Label17->text(), QStringLiteral("10:00"));
    EXPECT_EQ(f.Label12->text(), QStringLiteral("59"));
    c.tickAt(10, 0, 0);
    EXPECT_EQ(f.Label12->text(), QStringLiteral("00"));
}

TEST(Clock, TheStripModeShowsTheSummaryLine) {
    Ticking c("0,0,1,\"off\",24,0,0,0,2");
    Form1& f = c.form1();
    c.tickAt(15, 7, 9);
    EXPECT_EQ(f.Label10->text(), QStringLiteral(" 7月15日(月) / 15:07 / 41MB"));
    built(c.form2().Picture7).Check4->setChecked(true);
    EXPECT_EQ(f.Label10->text(), QStringLiteral(" 7月15日(月) / 3:07 午後 / 41MB"));
}

TEST(Clock, TheMeterFillsBothWindows) {
    Ticking c;
    Form1& f = c.form1();
    c.platform.memory = {268435456ULL, 41ULL * 1048576};
    c.tickAt(15, 7);
    EXPECT_EQ(f.Label7->text(), QStringLiteral("258MB"));
    EXPECT_EQ(f.Label6->text(), QStringLiteral("217MB"));
    EXPECT_EQ(f.Label9->text(), QStringLiteral("41MB"));
    EXPECT_EQ(f.PB->maximum(), 258);
    EXPECT_EQ(f.PB->value(), 41);
    SystemPage& system = *c.form2().Picture1;
    system.ensureBuilt();
    EXPECT_EQ(system.Label11->text(), QStringLiteral("約 258 MB"));
    EXPECT_EQ(system.Label3->text(), QStringLiteral("約 217 MB"));
    EXPECT_EQ(system.Label6->text(), QStringLiteral("約 41 MB"));
}

TEST(Clock, ThePositionIsReportedInPixels) {
    Ticking c;
    c.form1().move(321, 12);
    c.tickAt(15, 7);
    EXPECT_EQ(built(c.form2().Picture7).Label48->text(), QStringLiteral("321"));
    EXPECT_EQ(built(c.form2().Picture7).Label51->text(), QStringLiteral("12"));
}

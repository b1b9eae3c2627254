#include "Harness.h"
#include "ScratchMount.h"
#include "functionscreen/SettingsPage.h"
#include "ui/ClickableLabel.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList NoLogo = {QStringLiteral("0,0,1,\"off\",12,0,0,0,1")};

struct Started : Harness {
    explicit Started(const QStringList& st = NoLogo) {
        setFile(QStringLiteral("St.kvi"), cp932Lines(st));
    }
};

bool showsPicture(QLabel* label, const QPixmap& picture) {
    return label->pixmap().toImage() == picture.toImage();
}

} // namespace

TEST(Startup, TheFixedNotOnTopRecordIsAppliedAndRewrittenUnchanged) {
    Started h({QStringLiteral("1,0,0,\"off\",24,1,1,0,0")});
    const QByteArray before = h.file(QStringLiteral("St.kvi"));
    Form1& f = h.start();
    SettingsPage& page = built(h.form2().Picture7);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(h.form2().isVisible());
    EXPECT_TRUE(showsPicture(f.Ido, f.IdoN));
    EXPECT_FALSE(page.Check3->isChecked());
    EXPECT_TRUE(page.Check2->isEnabled());
    EXPECT_TRUE(h.platform.calls.contains(QStringLiteral("setTopmost(0)")));
    EXPECT_FALSE(page.Check1->isChecked());
    EXPECT_FALSE(page.Check4->isChecked());
    EXPECT_TRUE(page.Option3->isChecked());
    EXPECT_TRUE(page.Check6->isChecked());
    EXPECT_TRUE(f.Label3->isHidden());
    EXPECT_TRUE(showsPicture(f.Image4, f.A_Off));
    EXPECT_EQ(page.Command20->text(), QStringLiteral("アラームON"));
    EXPECT_EQ(page.Command23->text(), QStringLiteral("最小"));
    EXPECT_EQ(f.size(), QSize(191, 69));
    EXPECT_EQ(h.file(QStringLiteral("St.kvi")), before);
}

TEST(Startup, SizeModesSetBackgroundFacesAndWindowSize) {
    struct Row {
        const char* mode;
        QSize size;
        bool strip;
        const char* caption;
    };
    for (const Row& row : {Row{"0", {191, 69}, false, "最小"}, Row{"1", {251, 69}, false, "標準"},
                           Row{"2", {273, 22}, true, "最大"}, Row{"3", {251, 69}, false, "標準"}}) {
        Started h({QStringLiteral("0,0,1,\"off\",12,0,0,0,%1").arg(QLatin1String(row.mode))});
        Form1& f = h.start();
        EXPECT_EQ(f.size(), row.size) << row.mode;
        EXPECT_EQ(f.GLMSa->isVisibleTo(&f), row.strip) << row.mode;
        EXPECT_EQ(built(h.form2().Picture7).Command23->text(), QString::fromUtf8(row.caption))
            << row.mode;
        EXPECT_EQ(f.Label10->text().isEmpty(), !row.strip) << row.mode;
    }
}

TEST(Startup, ALockAboveOneIsCorrectedAndWritten) {
    Started h({QStringLiteral("5,0,1,\"off\",12,0,0,0,1")});
    Form1& f = h.start();
    EXPECT_TRUE(f.settings().Iti().is(1));
    EXPECT_TRUE(showsPicture(f.Ido, f.IdoN));
    EXPECT_EQ(h.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("1,0,1,\"off\",12,0,0,0,1")}));
}

TEST(Startup, AnEmptyLockReadsAsMovableAndStaysEmpty) {
    Started h({QStringLiteral(",0,1,\"off\",12,0,0,0,1")});
    Form1& f = h.start();
    EXPECT_TRUE(showsPicture(f.Ido, f.IdoO));
    EXPECT_FALSE(built(h.form2().Picture7).Check7->isChecked());
    EXPECT_EQ(h.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral(",0,1,\"off\",12,0,0,0,1")}));
}

TEST(Startup, AlwaysOnTopIsAppliedAndGreysTheAlarmFrontOption) {
    Started h({QStringLiteral("0,1,1,\"off\",12,0,0,1,1")});
    Form1& f = h.start();
    EXPECT_TRUE(h.platform.calls.contains(QStringLiteral("setTopmost(1)")));
    EXPECT_TRUE(built(h.form2().Picture7).Check3->isChecked());
    EXPECT_FALSE(built(h.form2().Picture7).Check2->isEnabled());
    EXPECT_TRUE(showsPicture(f.Image4, f.A_On));
    EXPECT_EQ(built(h.form2().Picture7).Command20->text(), QStringLiteral("アラームOFF"));
}

TEST(Startup, PositionAndFaceComeFromTheirFiles) {
    Started h;
    h.setFile(QStringLiteral("fiti.kvi"), cp932Lines({QStringLiteral("3000,-150")}));
    h.setFile(QStringLiteral("fot.kvi"),
              cp932Lines({QStringLiteral("\"IPAPGothic\",#TRUE#,#TRUE#,255")}));
    Form1& f = h.start();
    EXPECT_EQ(f.pos(), QPoint(200, -10));
    for (QLabel* label : {f.Label2, f.Label3, f.Label17}) {
        EXPECT_EQ(label->font().family(), QStringLiteral("IPAPGothic"));
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().italic());
    }
    EXPECT_EQ(f.Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(built(h.form2().Picture7).Label47->text(), QStringLiteral("IPAPGothic"));
}

TEST(Startup, TheFirstDisplayLightsTheLampInWhite) {
    Started h;
    h.setFile(QStringLiteral("fot.kvi"),
              cp932Lines({QStringLiteral("\"IPAGothic\",#FALSE#,\"x\",255")}));
    h.clock.set(15, 7, 9);
    Form1& f = h.start();
    EXPECT_FALSE(f.Label17->font().italic());
    EXPECT_EQ(f.Label17->text(), QStringLiteral("3:07"));
    EXPECT_EQ(f.tPM->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(f.tAM->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("09"));
    EXPECT_EQ(f.Label2->text(), QStringLiteral("2002年7月15日(月)"));
}

TEST(Startup, OnlyTheExactWordOnShowsTheLogo) {
    for (const char* setting : {"ON", "off", "yes"}) {
        Started h({QStringLiteral("0,0,1,\"%1\",12,0,0,0,1").arg(QLatin1String(setting))});
        QElapsedTimer started;
        started.start();
        h.start();
        EXPECT_LT(started.elapsed(), 3000) << setting;
    }
    Started h({QStringLiteral("0,0,1,\"on\",12,0,0,0,1")});
    h.logoHoldMs = 1000;
    QElapsedTimer started;
    started.start();
    h.start();
    EXPECT_GT(started.elapsed(), h.logoHoldMs);
}

TEST(Startup, ASecondCopyIsRefusedAfterShowingAndLeavesThePositionFileAlone) {
    Started h;
    h.platform.firstInstance = false;
    dialogs::script::push(dialogs::Answer::Ok);
    Form1& f = h.start();
    ASSERT_EQ(dialogs::script::shown().size(), 1);
    EXPECT_EQ(dialogs::script::shown()[0].text,
              QStringLiteral("モルベーンはすでに開かれています。"));
    EXPECT_EQ(dialogs::script::shown()[0].style, dialogs::Style::OkExclamation);
    EXPECT_EQ(dialogs::script::shown()[0].title, QStringLiteral("Morvane3.1"));
    EXPECT_EQ(h.ended, 1);
    EXPECT_EQ(h.file(QStringLiteral("fiti.kvi")), cp932Lines({QStringLiteral("9000,600")}));
    EXPECT_EQ(h.platform.calls.filter(QStringLiteral("stopSound")).size(), 1);
    Q_UNUSED(f);
}

TEST(Startup, EachExitStopsSoundAndWritesThePosition) {
    const std::function<void(Form1&)> exits[] = {
        [](Form1& f) { QTest::mouseClick(f.Image2, Qt::LeftButton); },
        [](Form1& f) { f.kvEnd->trigger(); },
        [](Form1& f) { f.close(); },
    };
    for (const auto& exit : exits) {
        Started h;
        Form1& f = h.start();
        f.move(123, 45);
        exit(f);
        EXPECT_EQ(h.ended, 1);
        EXPECT_EQ(h.file(QStringLiteral("fiti.kvi")), cp932Lines({QStringLiteral("1845,675")}));
        EXPECT_TRUE(h.platform.calls.contains(QStringLiteral("stopSound")));
    }
}

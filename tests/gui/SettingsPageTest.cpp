#include "functionscreen/SettingsPage.h"
#include "Harness.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Plain = QStringLiteral("0,0,1,\"off\",12,0,0,0,1");

struct OnPage : Harness {
    explicit OnPage(const QString& st = Plain) {
        setFile(QStringLiteral("St.kvi"), cp932Lines({st}));
        start();
    }
    SettingsPage& page() { return built(form2().Picture7); }
    QByteArray st() const { return file(QStringLiteral("St.kvi")); }
    QByteArray expected(const char* line) const { return cp932Lines({QString::fromUtf8(line)}); }
};

} // namespace

TEST(SettingsPage, EachCheckBoxActsAtOnceAndWritesItsField) {
    OnPage p;
    Form1& f = p.form1();
    p.page().Check1->setChecked(true);
    EXPECT_EQ(f.settings().Rogo(), QStringLiteral("on"));
    EXPECT_EQ(p.st(), p.expected("0,0,1,\"on\",12,0,0,0,1"));
    p.page().Check2->setChecked(false);
    EXPECT_TRUE(f.settings().AlmFro().is(0));
    EXPECT_EQ(p.st(), p.expected("0,0,0,\"on\",12,0,0,0,1"));
    p.page().Check4->setChecked(false);
    EXPECT_TRUE(f.settings().TTAmPm().is(24));
    EXPECT_EQ(p.st(), p.expected("0,0,0,\"on\",24,0,0,0,1"));
    p.page().Check6->setChecked(true);
    EXPECT_TRUE(f.Label3->isHidden());
    EXPECT_EQ(p.st(), p.expected("0,0,0,\"on\",24,0,1,0,1"));
    p.page().Option3->setChecked(true);
    EXPECT_EQ(f.Label2->text(), QStringLiteral("02/7/15 (Mon)"));
    EXPECT_EQ(p.st(), p.expected("0,0,0,\"on\",24,1,1,0,1"));
    p.page().Check7->setChecked(true);
    EXPECT_EQ(f.Ido->pixmap().toImage(), f.IdoN.toImage());
    EXPECT_EQ(p.st(), p.expected("1,0,0,\"on\",24,1,1,0,1"));
}

TEST(SettingsPage, AlwaysOnTopGreysTheAlarmFrontBoxWhileTicked) {
    OnPage p;
    p.page().Check3->setChecked(true);
    EXPECT_EQ(p.platform.calls.constLast(), QStringLiteral("setTopmost(1)"));
    EXPECT_FALSE(p.page().Check2->isEnabled());
    EXPECT_TRUE(p.page().Check2->isChecked());
    EXPECT_EQ(p.st(), p.expected("0,1,1,\"off\",12,0,0,0,1"));
    p.page().Check3->setChecked(false);
    EXPECT_EQ(p.platform.calls.constLast(), QStringLiteral("setTopmost(0)"));
    EXPECT_TRUE(p.page().Check2->isEnabled());
}

TEST(SettingsPage, LoadingAppliesStoredValuesThroughTheHandlers) {
    OnPage p(QStringLiteral("0,1,1,\"off\",12,1,1,1,1"));
    EXPECT_TRUE(p.page().Check3->isChecked());
    EXPECT_FALSE(p.page().Check2->isEnabled());
    EXPECT_TRUE(p.page().Option3->isChecked());
    EXPECT_EQ(p.page().Option1->text(), QStringLiteral("2002年7月15日(月)"));
    EXPECT_EQ(p.page().Option3->text(), QStringLiteral("02/7/15 (Mon)"));
    EXPECT_TRUE(p.form1().Label3->isHidden());
    EXPECT_EQ(p.st(), p.expected("0,1,1,\"off\",12,1,1,1,1"));
}

TEST(SettingsPage, TheFontDialogChangesFaceButNotSizeAndCancelChangesNothing) {
    OnPage p;
    Form1& f = p.form1();
    const QByteArray before = p.file(QStringLiteral("fot.kvi"));
    const int size = f.Label17->font().pixelSize();
    dialogs::script::push(dialogs::script::Cancel{});
    QTest::mouseClick(p.page().Command5, Qt::LeftButton);
    EXPECT_EQ(p.file(QStringLiteral("fot.kvi")), before);

    QFont chosen(QStringLiteral("IPAPGothic"), 30);
    chosen.setItalic(true);
    dialogs::script::push(chosen);
    QTest::mouseClick(p.page().Command5, Qt::LeftButton);
    for (QLabel* label : {f.Label2, f.Label3, f.Label17}) {
        EXPECT_EQ(label->font().family(), QStringLiteral("IPAPGothic"));
        EXPECT_TRUE(label->font().italic());
        EXPECT_FALSE(label->font().bold());
    }
    EXPECT_EQ(f.Label17->font().pixelSize(), size);
    EXPECT_EQ(p.page().Label47->text(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(p.file(QStringLiteral("fot.kvi")),
              p.expected("\"IPAPGothic\",#FALSE#,#TRUE#,16777215"));
}

TEST(SettingsPage, TheColourDialogRecoloursTheLampsAndKeepsTheFace) {
    OnPage p;
    Form1& f = p.form1();
    dialogs::script::push(QColor(255, 128, 0));
    QTest::mouseClick(p.page().Command32, Qt::LeftButton);
    for (QLabel* label : {f.Label2, f.Label3, f.Label17, f.tAM, f.tPM})
        EXPECT_EQ(colours::text(label), QColor(255, 128, 0));
    EXPECT_EQ(p.file(QStringLiteral("fot.kvi")),
              p.expected("\"ＭＳ ゴシック\",#TRUE#,#FALSE#,33023"));
    dialogs::script::push(dialogs::script::Cancel{});
    QTest::mouseClick(p.page().Command32, Qt::LeftButton);
    EXPECT_EQ(dialogs::script::shown().constLast().text, QColor(255, 128, 0).name());
}

TEST(SettingsPage, ThreeSizeClicksCycleThroughAllModes) {
    OnPage p;
    Form1& f = p.form1();
    struct Step {
        const char* caption;
        QSize size;
        const char* st;
    };
    for (const Step& step : {Step{"最小", {191, 69}, "0,0,1,\"off\",12,0,0,0,0"},
                             Step{"最大", {273, 22}, "0,0,1,\"off\",12,0,0,0,2"},
                             Step{"標準", {251, 69}, "0,0,1,\"off\",12,0,0,0,1"}}) {
        QTest::mouseClick(p.page().Command23, Qt::LeftButton);
        EXPECT_EQ(p.page().Command23->text(), QString::fromUtf8(step.caption));
        EXPECT_EQ(f.size(), step.size);
        EXPECT_EQ(p.st(), p.expected(step.st));
    }
}

TEST(SettingsPage, EveryChangeWritesAllNineFieldsFromTheOneSettingsObject) {
    // An empty lock and a front of 5 are never written by the program: every write keeps them
    // until they are changed, whoever changes another field.
    OnPage p(QStringLiteral(",5,1,\"off\",12,0,0,0,1"));
    Settings& s = p.form1().settings();
    EXPECT_EQ(p.st(), p.expected(",5,1,\"off\",12,0,0,0,1"));
    EXPECT_FALSE(p.form2().Picture7->isBuilt()) << "the start needs none of the page's controls";
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { s.setAset(true); }, ",5,1,\"off\",12,0,0,1,1"},
        {[&] { s.setMemMni(0); }, ",5,1,\"off\",12,0,0,1,0"},
        {[&] { s.setRogo(true); }, ",5,1,\"on\",12,0,0,1,0"},
        {[&] { s.setYMD(1); }, ",5,1,\"on\",12,1,0,1,0"},
        {[&] { s.setSsVis(true); }, ",5,1,\"on\",12,1,1,1,0"},
        {[&] { s.setTTAmPm(24); }, ",5,1,\"on\",24,1,1,1,0"},
        {[&] { s.setAlmFro(false); }, ",5,0,\"on\",24,1,1,1,0"},
        {[&] { s.setIti(Variant::number(1), Settings::Write::Later); }, ",5,0,\"on\",24,1,1,1,0"},
        {[&] { p.form2().Timer1_Timer(); }, "1,5,0,\"on\",24,1,1,1,0"},
        {[&] { s.setFront(true); }, "1,1,0,\"on\",24,1,1,1,0"},
    };
    for (const auto& [change, written] : steps) {
        change();
        EXPECT_EQ(p.st(), p.expected(written)) << written;
    }
    // The page made afterwards shows what the object holds.
    EXPECT_TRUE(p.page().Check7->isChecked());
    EXPECT_TRUE(p.page().Option3->isChecked());
    EXPECT_FALSE(p.page().Check2->isEnabled());
    EXPECT_EQ(p.page().Command23->text(), QStringLiteral("最小"));
    EXPECT_EQ(p.page().Command20->text(), QStringLiteral("アラームOFF"));
    EXPECT_TRUE(p.form1().Label3->isHidden());
}

#include "Harness.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/SettingsPage.h"
#include "ui/ClickableLabel.h"
#include "ui/ListBox.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Named : Harness {
    Named() {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        start();
    }
};

QAccessibleInterface* of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    return of(object)->text(QAccessible::Name);
}

// Every object a screen reader would announce, below and with root: those not invisible.
void collectShown(QAccessibleInterface* root, QList<QAccessibleInterface*>& out) {
    if (root->state().invisible)
        return;
    out << root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i))
            collectShown(child, out);
    }
}

// No object name, and no empty name, where a screen reader can reach.
void expectSpeakable(QWidget* window) {
    QList<QAccessibleInterface*> shown;
    collectShown(of(window), shown);
    for (QAccessibleInterface* item : shown) {
        const QString name = item->text(QAccessible::Name);
        const QString objectName = item->object() ? item->object()->objectName() : QString();
        EXPECT_FALSE(name.trimmed().isEmpty())
            << "no name: " << objectName.toStdString() << " role " << int(item->role());
        if (!objectName.isEmpty()) {
            EXPECT_NE(name, objectName) << "announced by its object name";
        }
    }
}

} // namespace

TEST(AccessibleNames, EveryShownControlOfTheClockHasAJapaneseName) {
    Named h;
    Form1& f = h.form1();
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(mode);
        expectSpeakable(&f);
        QTest::mouseClick(f.GLMS->isVisible() ? f.GLMS : f.GLMSa, Qt::LeftButton);
    }
    EXPECT_EQ(of(&f)->role(), QAccessible::Window);
    EXPECT_EQ(nameOf(&f), QStringLiteral("モルベーン"));
    EXPECT_EQ(of(f.Ido)->role(), QAccessible::Button);
    EXPECT_EQ(nameOf(f.Ido), QStringLiteral("画面の移動"));
    EXPECT_EQ(nameOf(f.PB), QStringLiteral("空きメモリ"));
    EXPECT_EQ(of(f.PB)->role(), QAccessible::ProgressBar);
    EXPECT_EQ(of(f.PB)->valueInterface()->currentValue(), f.PB->value());
    EXPECT_EQ(nameOf(f.pMenu), QStringLiteral("メニュー"));

    EXPECT_TRUE(of(f.Ido)->state().checkable);
    EXPECT_TRUE(of(f.Ido)->state().checked) << "the window may be moved";
    of(f.Ido)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(f.settings().Iti().is(1))
        << "a screen reader presses a picture button as a click does";
    EXPECT_FALSE(of(f.Ido)->state().checked);
    EXPECT_EQ(of(f.Ido)->text(QAccessible::Description), QStringLiteral("固定されています"));
}

TEST(AccessibleNames, TheLampTellsTheAlarmStateAndTheSummaryIsReadAsItsText) {
    Named h;
    Form1& f = h.form1();
    EXPECT_EQ(nameOf(f.Image4), QStringLiteral("アラーム オフ"));
    QTest::mouseClick(built(h.form2().Picture7).Command20, Qt::LeftButton);
    EXPECT_EQ(nameOf(f.Image4), QStringLiteral("アラーム オン"));

    EXPECT_EQ(nameOf(f.Label10), QStringLiteral("モルベーン"));
    QTest::mouseClick(f.GLMS, Qt::LeftButton);
    QTest::mouseClick(f.GLMS, Qt::LeftButton);
    ASSERT_FALSE(f.Label10->text().isEmpty());
    EXPECT_EQ(nameOf(f.Label10), f.Label10->text());
    EXPECT_EQ(of(f.Label10)->role(), QAccessible::StaticText);
}

TEST(AccessibleNames, ControlsCutOffBySmallSizeModesAreNotShown) {
    Named h;
    Form1& f = h.form1();
    EXPECT_TRUE(of(f.Image7)->state().invisible) << "beyond the standard window's edge";
    EXPECT_FALSE(of(f.Image1)->state().invisible);
    QTest::mouseClick(f.GLMS, Qt::LeftButton);
    ASSERT_TRUE(f.settings().MemMni().is(0));
    for (QWidget* cut : std::initializer_list<QWidget*>{f.Label7, f.Label15, f.PB})
        EXPECT_TRUE(of(cut)->state().invisible) << cut->objectName().toStdString();
    EXPECT_TRUE(of(f.GLMSa)->state().invisible);
}

TEST(AccessibleNames, EveryPageOfTheFunctionScreenIsSpeakable) {
    Named h;
    Form2& form2 = h.form2();
    form2.Timer1_Timer();
    for (QAction* item : {h.form1().kvSys, h.form1().kvDriv, h.form1().kvBmp, h.form1().kvWav,
                          h.form1().kvDir, h.form1().kvSet, h.form1().kvVer}) {
        SCOPED_TRACE(item->text().toStdString());
        item->trigger();
        EXPECT_EQ(nameOf(form2.frontPage()), item->text());
        expectSpeakable(&form2);
    }
    EXPECT_EQ(of(&form2)->role(), QAccessible::Window);
    // Qt offers a hidden list's rows as showing; a covered page offers nothing.
    EXPECT_EQ(of(form2.Picture4)->childCount(), 0);
    h.form1().kvWav->trigger();
    EXPECT_GT(of(form2.Picture4)->childCount(), 0);

    AlarmPage& alarms = built(form2.Picture4);
    EXPECT_EQ(nameOf(alarms.List), QStringLiteral("時間帯 (24時間)"));
    EXPECT_EQ(nameOf(alarms.Com), QStringLiteral("サウンドのパス"));
    const auto headed = of(alarms.Label43)->relations(QAccessible::Labelled);
    ASSERT_EQ(headed.size(), 1);
    EXPECT_EQ(headed.constFirst().first->object(), alarms.List);
}

#include "functionscreen/AlarmPage.h"
#include "Harness.h"
#include "core/AlarmTable.h"
#include "ui/Dialogs.h"
#include "ui/ListBox.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct OnAlarmPage : Harness {
    OnAlarmPage() {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        start();
        form1().kvWav->trigger();
    }
    AlarmPage& page() { return built(form2().Picture4); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString lastShown() const { return dialogs::script::shown().constLast().text; }
};

} // namespace

TEST(AlarmPage, TheListsMoveTogetherAndTheSlotSurvivesAReload) {
    OnAlarmPage p;
    EXPECT_EQ(p.page().Com->count(), 48);
    EXPECT_EQ(p.page().List->text(47), QStringLiteral("２３時３０分"));
    EXPECT_EQ(p.page().Com->currentRow(), -1);
    p.page().List->setCurrentRow(7);
    EXPECT_EQ(p.page().Com->currentRow(), 7);
    p.page().Com->setCurrentRow(9);
    EXPECT_EQ(p.page().List->currentRow(), 9);
    EXPECT_EQ(p.form2().AlmNo, 9);
    dialogs::script::push(QStringLiteral("/snd/nine.wav"));
    p.click(p.page().Command8);
    EXPECT_EQ(dialogs::script::shown().constLast().title, QStringLiteral("サウンド設定"));
    EXPECT_EQ(dialogs::script::shown().constLast().text,
              QStringLiteral("ＷＡＶＥサウンド(*.wav)|*.wav"));
    EXPECT_EQ(p.page().Com->text(9), QStringLiteral("/snd/nine.wav"));

    p.form2().close();
    p.form1().Timer1_Timer();
    p.form1().kvWav->trigger();
    QApplication::processEvents();
    EXPECT_EQ(p.page().List->currentRow(), -1);
    EXPECT_EQ(p.form2().AlmNo, 9);
    EXPECT_EQ(p.page().Com->text(9), alarmtable::NoSound) << "unsaved edits are gone";
    p.click(p.page().Command11);
    EXPECT_EQ(p.page().Com->text(9), alarmtable::NoSound);
}

TEST(AlarmPage, SavingWritesEveryRowAndASecondSaveTheSameBytes) {
    OnAlarmPage p;
    p.page().setEntry(1, QStringLiteral("/snd/a.wav"));
    dialogs::script::push(dialogs::Answer::No);
    p.click(p.page().Command12);
    EXPECT_EQ(dialogs::script::shown().constLast().style, dialogs::Style::YesNoStop);
    EXPECT_EQ(p.file(QStringLiteral("alarmset.kvi")),
              cp932Lines(QStringList(48, QStringLiteral("\"設定なし\""))));

    dialogs::script::push(dialogs::Answer::Yes);
    dialogs::script::push(dialogs::Answer::Ok);
    p.click(p.page().Command12);
    EXPECT_EQ(p.lastShown(), QStringLiteral("保存が終了しました。"));
    QStringList expected(48, QStringLiteral("\"設定なし\""));
    expected[1] = QStringLiteral("\"/snd/a.wav\"");
    const QByteArray first = p.file(QStringLiteral("alarmset.kvi"));
    EXPECT_EQ(first, cp932Lines(expected));
    EXPECT_EQ(p.page().List->currentRow(), 47);
    EXPECT_EQ(p.form2().AlmNo, 47);
    EXPECT_TRUE(p.form2().isVisible());

    dialogs::script::push(dialogs::Answer::Yes);
    dialogs::script::push(dialogs::Answer::Ok);
    p.click(p.page().Command12);
    EXPECT_EQ(p.file(QStringLiteral("alarmset.kvi")), first);
}

TEST(AlarmPage, ImportFillsTheTableWithoutSaving) {
    OnAlarmPage p;
    QTemporaryDir folder;
    const QString kvt = folder.filePath(QStringLiteral("alarmset.kvt"));
    QFile file(kvt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cp932Lines(
        {QStringLiteral("\"a.wav\""), QStringLiteral("\"b.wav\""), QStringLiteral("\"c.wav\"")}));
    file.close();
    p.page().List->setCurrentRow(4);

    dialogs::script::push(dialogs::script::Cancel{});
    p.click(p.page().Command7);
    EXPECT_EQ(p.page().Com->text(0), alarmtable::NoSound);

    dialogs::script::push(kvt);
    p.click(p.page().Command7);
    EXPECT_EQ(dialogs::script::shown().constLast().title,
              QStringLiteral("アラーム設定　インポート"));
    EXPECT_EQ(p.page().Com->text(2), QStringLiteral("c.wav"));
    EXPECT_EQ(p.page().Com->text(47), QStringLiteral("c.wav"));
    EXPECT_EQ(p.page().Com->currentRow(), -1);
    EXPECT_EQ(p.page().List->currentRow(), 4);
    EXPECT_EQ(p.form2().AlmNo, 4);

    dialogs::script::push(folder.filePath(QStringLiteral("missing.kvt")));
    p.click(p.page().Command7);
    EXPECT_EQ(p.page().Com->count(), 48);
    EXPECT_EQ(p.page().Com->text(0), QString());
    EXPECT_EQ(p.file(QStringLiteral("alarmset.kvi")),
              cp932Lines(QStringList(48, QStringLiteral("\"設定なし\""))));
}

TEST(AlarmPage, PlayAndStop) {
    OnAlarmPage p;
    p.page().Com->setCurrentRow(2);
    dialogs::script::push(dialogs::Answer::Ok);
    p.click(p.page().Command10);
    EXPECT_EQ(p.lastShown(), QStringLiteral("サウンドが設定されていません。"));
    EXPECT_EQ(dialogs::script::shown().constLast().style, dialogs::Style::Ok);
    p.page().setEntry(2, QStringLiteral("/snd/x.wav"));
    p.click(p.page().Command10);
    p.click(p.page().Command9);
    EXPECT_EQ(p.platform.calls.mid(p.platform.calls.size() - 2),
              (QStringList{QStringLiteral("playSound(/snd/x.wav)"), QStringLiteral("stopSound")}));
}

TEST(AlarmPage, AFailedSaveIsReportedAndAPathTheFileCannotHoldIsRefused) {
    OnAlarmPage p;
    p.page().setEntry(0, QStringLiteral("/snd/a.wav"));
    QFile::setPermissions(p.dataPath(QStringLiteral("alarmset.kvi")), QFile::ReadOwner);
    dialogs::script::push(dialogs::Answer::Yes);
    dialogs::script::push(dialogs::Answer::Ok);
    p.click(p.page().Command12);
    EXPECT_TRUE(p.lastShown().contains(QStringLiteral("alarmset.kvi")));
    EXPECT_TRUE(p.lastShown().contains(QStringLiteral("読み取り専用")));
    EXPECT_EQ(dialogs::script::shown().size(), 2) << "no word of success after a failure";

    p.page().List->setCurrentRow(3);
    dialogs::script::push(QStringLiteral("/snd/say \"hi\".wav"));
    dialogs::script::push(dialogs::Answer::Ok);
    p.click(p.page().Command8);
    EXPECT_TRUE(p.lastShown().contains(u'"'));
    EXPECT_EQ(p.page().Com->text(3), alarmtable::NoSound);
}

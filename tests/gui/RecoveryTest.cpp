#include "Harness.h"
#include "core/DataFile.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/SettingsPage.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString lastMessage() {
    return dialogs::script::shown().constLast().text;
}

} // namespace

TEST(Recovery, AMissingDataFolderStartsFromTheDefaultsWithOneMessage) {
    Harness h;
    QDir(h.data.folder()).removeRecursively();
    dialogs::script::push(dialogs::Answer::Ok);
    Form1& f = h.start();
    ASSERT_EQ(dialogs::script::shown().size(), 1);
    for (const char* name : {"St.kvi", "fiti.kvi", "fot.kvi", "alarmset.kvi"}) {
        EXPECT_TRUE(lastMessage().contains(QLatin1String(name))) << name;
        EXPECT_EQ(h.file(QLatin1String(name)), datafile::deliveredDefault(QLatin1String(name)))
            << name;
    }
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(h.form2().Picture4->entries().size(), 48);
}

TEST(Recovery, ADamagedFileIsKeptBesideTheNewOne) {
    Harness h;
    h.setFile(QStringLiteral("St.kvi"), "0,0,1\r\n");
    h.setFile(QStringLiteral("alarmset.kvi"), cp932Lines({QStringLiteral("\"設定なし\"")}));
    dialogs::script::push(dialogs::Answer::Ok);
    h.start();
    ASSERT_EQ(dialogs::script::shown().size(), 1);
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("St.kvi.bak")));
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("alarmset.kvi.bak")));
    EXPECT_EQ(h.file(QStringLiteral("St.kvi.bak")), QByteArray("0,0,1\r\n"));
    EXPECT_EQ(h.file(QStringLiteral("St.kvi")),
              datafile::deliveredDefault(QStringLiteral("St.kvi")));
}

TEST(Recovery, AFailedWriteIsReportedAndTheSettingStaysInMemory) {
    Harness h;
    h.setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    Form1& f = h.start();
    QFile::setPermissions(h.dataPath(QStringLiteral("St.kvi")), QFile::ReadOwner);
    dialogs::script::push(dialogs::Answer::Ok);
    built(h.form2().Picture7).Check6->setChecked(true);
    ASSERT_EQ(dialogs::script::shown().size(), 1);
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("St.kvi")));
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("読み取り専用")));
    EXPECT_EQ(h.form1().settings().SsVis(), 1);
    EXPECT_TRUE(f.Label3->isHidden());
    EXPECT_EQ(h.file(QStringLiteral("St.kvi")),
              cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
}

TEST(Recovery, AFaceNameTheFileCannotHoldIsRefusedBeforeAnythingChanges) {
    Harness h;
    h.setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    Form1& f = h.start();
    const QByteArray before = h.file(QStringLiteral("fot.kvi"));
    const QString face = f.Label17->font().family();
    dialogs::script::push(QFont(QStringLiteral("Bad\"Face")));
    dialogs::script::push(dialogs::Answer::Ok);
    QTest::mouseClick(built(h.form2().Picture7).Command5, Qt::LeftButton);
    EXPECT_TRUE(lastMessage().contains(u'"'));
    EXPECT_EQ(f.Label17->font().family(), face);
    EXPECT_EQ(h.file(QStringLiteral("fot.kvi")), before);
}

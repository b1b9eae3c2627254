#include "functionscreen/DrivesPage.h"
#include "Harness.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

struct OnDrives : Harness {
    OnDrives() {
        platform.driveRoots = {QStringLiteral("/home"), QStringLiteral("/dev/shm"),
                               QStringLiteral("/media/cd")};
        platform.diskSpace[QStringLiteral("/home")] = {0, 80000000000ULL, 25000000000ULL};
        platform.diskSpace[QStringLiteral("/dev/shm")] = {0, 1457664ULL, 524288ULL};
        platform.driveTypes[QStringLiteral("/home")] = DriveType::Fixed;
        platform.driveTypes[QStringLiteral("/dev/shm")] = DriveType::RamDisk;
        start();
        page().ensureBuilt();
    }
    DrivesPage& page() { return *form2().Picture2; }
    QStringList lines() {
        return {page().Label33->text(), page().Label40->text(), page().Label41->text(),
                page().Label42->text(), page().Label35->text()};
    }
};

} // namespace

TEST(DrivesPage, LoadShowsTheFirstDriveAndAChoiceShowsAnother) {
    OnDrives p;
    EXPECT_EQ(p.page().Drive1->count(), 3);
    EXPECT_EQ(p.lines(),
              (QStringList{QStringLiteral("固定ディスク"), QStringLiteral("約 74.51 GB "),
                           QStringLiteral("約 51.22 GB "), QStringLiteral("約 23.28 GB "),
                           QStringLiteral("74.51 GB")}));
    EXPECT_EQ(p.page().PB2->maximum(), 7450581);
    EXPECT_EQ(p.page().PB2->value(), 2328306);

    p.page().Drive1->setCurrentIndex(1);
    EXPECT_EQ(p.lines(), (QStringList{QStringLiteral("ＲＡＭディスク"),
                                      QStringLiteral("約 1.4 MB "), QStringLiteral("約 .9 MB "),
                                      QStringLiteral("約 .5 MB "), QStringLiteral("1.4 MB")}));
    EXPECT_EQ(p.page().PB2->maximum(), 136);
    EXPECT_EQ(p.page().PB2->value(), 49);
}

TEST(DrivesPage, AnUnreadableDriveShowsNoughtAndKeepsTheTypeAndGaugeRange) {
    OnDrives p;
    p.page().Drive1->setCurrentIndex(1);
    p.page().Drive1->setCurrentIndex(2);
    EXPECT_EQ(p.lines(), (QStringList{QStringLiteral("ＲＡＭディスク"), QStringLiteral("約 .0 MB "),
                                      QStringLiteral("約 .0 MB "), QStringLiteral("約 .0 MB "),
                                      QStringLiteral(".0 MB")}));
    EXPECT_EQ(p.page().PB2->maximum(), 136);
    EXPECT_EQ(p.page().PB2->value(), 0);
    EXPECT_EQ(p.page().Label74->text(),
              QStringLiteral("1000MB以上は「GB」、1000MB未満は「MB」で表示しています。"
                             "単位にご注意ください。"));
}

#include "core/DriveFigures.h"

#include <gtest/gtest.h>

using namespace drives;

TEST(DriveFigures, TheSixExampleDrives) {
    struct Row {
        quint64 total, free;
        const char *totalLine, *usedLine, *freeLine, *gaugeEnd;
        std::optional<double> maximum;
        double value;
    };
    const Row rows[] = {
        {80000000000ULL, 25000000000ULL, "約 74.51 GB ", "約 51.22 GB ", "約 23.28 GB ", "74.51 GB",
         74505.81, 23283.06},
        {42949672960ULL, 10737418240ULL, "約 40 GB ", "約 30 GB ", "約 10 GB ", "40 GB", 40000,
         10000},
        {1048576000ULL, 524288000ULL, "約 0.98 GB ", "約 500.0 MB ", "約 500.0 MB ", "0.98 GB",
         976.56, 488.28},
        {1048471142ULL, 0, "約 999.9 MB ", "約 999.9 MB ", "約 .0 MB ", "999.9 MB", 976.46, 0},
        {1457664ULL, 524288ULL, "約 1.4 MB ", "約 .9 MB ", "約 .5 MB ", "1.4 MB", 1.36, 0.49},
        {0, 0, "約 .0 MB ", "約 .0 MB ", "約 .0 MB ", ".0 MB", std::nullopt, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.total);
        const CapacityTexts texts = capacity(row.total, row.free);
        EXPECT_EQ(texts.total, QString::fromUtf8(row.totalLine));
        EXPECT_EQ(texts.used, QString::fromUtf8(row.usedLine));
        EXPECT_EQ(texts.free, QString::fromUtf8(row.freeLine));
        EXPECT_EQ(texts.gaugeEnd, QString::fromUtf8(row.gaugeEnd));
        ASSERT_EQ(texts.gaugeMaximum.has_value(), row.maximum.has_value());
        if (row.maximum) {
            EXPECT_DOUBLE_EQ(*texts.gaugeMaximum, *row.maximum);
        }
        EXPECT_DOUBLE_EQ(texts.gaugeValue, row.value);
    }
}

TEST(DriveFigures, PatternsRoundHalvesAwayAndDropWhatThePatternDrops) {
    EXPECT_EQ(oneDecimal(40960), QStringLiteral("40,960.0"));
    EXPECT_EQ(oneDecimal(1234.56), QStringLiteral("1,234.6"));
    EXPECT_EQ(oneDecimal(999.94), QStringLiteral("999.9"));
    EXPECT_EQ(oneDecimal(999.96), QStringLiteral("1,000.0"));
    EXPECT_EQ(oneDecimal(12), QStringLiteral("12.0"));
    EXPECT_EQ(oneDecimal(0.5), QStringLiteral(".5"));
    EXPECT_EQ(oneDecimal(0), QStringLiteral(".0"));
    EXPECT_EQ(oneDecimal(0.25), QStringLiteral(".3"));
    EXPECT_EQ(oneDecimal(1234567.0), QStringLiteral("1,234,567.0"));
    EXPECT_EQ(plainDecimal(2), QStringLiteral("2"));
    EXPECT_EQ(plainDecimal(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(plainDecimal(0.125), QStringLiteral("0.13"));
}

TEST(DriveFigures, HugeVolumesStayExactIn64Bits) {
    // 16 TiB total, 12 TiB free: more than any 32-bit count holds.
    const CapacityTexts texts = capacity(17592186044416ULL, 13194139533312ULL);
    EXPECT_EQ(texts.total, QStringLiteral("約 16384 GB "));
    EXPECT_EQ(texts.free, QStringLiteral("約 12288 GB "));
    EXPECT_EQ(texts.used, QStringLiteral("約 4096 GB "));
}

TEST(DriveTypes, FromTheMountDescription) {
    struct Row {
        MountDescription mount;
        TypeCode code;
    };
    const Row rows[] = {
        {{QStringLiteral("tmpfs")}, RamDisk},
        {{QStringLiteral("ramfs")}, RamDisk},
        {{QStringLiteral("iso9660"), true, true}, CdRom},
        {{QStringLiteral("udf"), true}, CdRom},
        {{QStringLiteral("ext4"), true, false, false, true}, CdRom},
        {{QStringLiteral("nfs4")}, Network},
        {{QStringLiteral("cifs")}, Network},
        {{QStringLiteral("smb3")}, Network},
        {{QStringLiteral("fuse.sshfs")}, Network},
        {{QStringLiteral("vfat"), true, true}, Removable},
        {{QStringLiteral("exfat"), true, false, true}, Removable},
        {{QStringLiteral("ext4"), true}, Fixed},
        {{QStringLiteral("btrfs"), true}, Fixed},
        {{QStringLiteral("fuse.portal"), false}, Unknown},
        {{QStringLiteral("zfs"), false}, Unknown},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mount.fsType.toStdString());
        EXPECT_EQ(typeOf(row.mount), row.code);
    }
    EXPECT_EQ(typeText(RamDisk), QStringLiteral("ＲＡＭディスク"));
    EXPECT_EQ(typeText(CdRom), QStringLiteral("ＣＤ－ＲＯＭ"));
    EXPECT_EQ(typeText(Unknown), QStringLiteral("不明"));
    EXPECT_FALSE(typeText(6));
    EXPECT_FALSE(typeText(-1));
}

TEST(DriveTypes, MountListKeepsPlacesForFilesOnce) {
    const QByteArray mountinfo =
        "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
        "22 26 0:21 / /sys rw,relatime - sysfs sysfs rw\n"
        "24 23 0:22 / /dev/shm rw,relatime - tmpfs tmpfs rw,size=24683716k\n"
        "25 23 0:23 / /dev/pts rw,relatime - devpts devpts rw,mode=600\n"
        "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
        "29 24 0:26 / /dev/shm rw,relatime - tmpfs shm rw,size=1k\n"
        "30 22 0:27 / /sys/fs/cgroup rw,relatime - tmpfs tmpfs rw,mode=755\n"
        "41 26 8:17 / /media/user/USB\\040STICK rw shared:5 - vfat /dev/sdb1 rw\n"
        "42 26 0:50 / /net rw - nfs4 server:/export rw\n"
        "broken line\n";
    QStringList kept;
    for (const Mount& mount : parseMountInfo(mountinfo)) {
        if (keepsFiles(mount))
            kept << mount.mountPoint + u'=' + mount.fsType + u'=' + mount.source;
    }
    EXPECT_EQ(kept,
              (QStringList{QStringLiteral("/=ext4=/dev/vda"), QStringLiteral("/dev/shm=tmpfs=shm"),
                           QStringLiteral("/media/user/USB STICK=vfat=/dev/sdb1"),
                           QStringLiteral("/net=nfs4=server:/export")}));
}

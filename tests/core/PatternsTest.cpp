#include "core/Patterns.h"
#include "core/MemoryFigures.h"

#include <gtest/gtest.h>

using namespace patterns;

TEST(Patterns, TimesAtTheBoundaries) {
    struct Row {
        QTime time;
        const char *twelve, *twentyFour, *hours;
    };
    for (const Row& row :
         {Row{{15, 7, 9}, "3:07 午後", "15:07", "15"}, Row{{9, 5, 3}, "9:05 午前", "9:05", "09"},
          Row{{12, 0}, "12:00 午後", "12:00", "12"}, Row{{0, 0}, "12:00 午前", "0:00", "00"},
          Row{{0, 5}, "12:05 午前", "0:05", "00"},
          Row{{23, 59, 59}, "11:59 午後", "23:59", "23"}}) {
        EXPECT_EQ(hmmAmPm(row.time), QString::fromUtf8(row.twelve));
        EXPECT_EQ(hmm(row.time), QString::fromUtf8(row.twentyFour));
        EXPECT_EQ(hh(row.time), QString::fromUtf8(row.hours));
    }
    EXPECT_EQ(ss(QTime(15, 7, 9)), QStringLiteral("09"));
}

TEST(Patterns, DatesInTheirThreeForms) {
    EXPECT_EQ(longDate(QDate(2002, 7, 15)), QStringLiteral("2002年7月15日(月)"));
    EXPECT_EQ(shortDate(QDate(2002, 7, 15)), QStringLiteral("02/7/15 (Mon)"));
    EXPECT_EQ(shortDate(QDate(2003, 1, 1)), QStringLiteral("03/1/1 (Wed)"));
    EXPECT_EQ(monthDayJapanese(QDate(2002, 7, 15)), QStringLiteral(" 7月15日(月)"));
    EXPECT_EQ(longDate(QDate(2026, 12, 13)), QStringLiteral("2026年12月13日(日)"));
    EXPECT_EQ(shortDate(QDate(2000, 7, 15)), QStringLiteral("00/7/15 (Sat)"));
}

TEST(MemoryFigures, FormatsAtZeroUnderOneMegabyteAndExactly256) {
    const MemoryFigures exact = MemoryFigures::fromBytes(268435456ULL, 41ULL * 1048576);
    EXPECT_EQ(exact.totalText(), QStringLiteral("258MB"));
    EXPECT_EQ(exact.usedText(), QStringLiteral("217MB"));
    EXPECT_EQ(exact.freeText(), QStringLiteral("41MB"));
    EXPECT_EQ(exact.aboutTotalText(), QStringLiteral("約 258 MB"));

    const MemoryFigures nearlyFull = MemoryFigures::fromBytes(268435456ULL, 1048575);
    EXPECT_EQ(nearlyFull.freeText(), QStringLiteral("0MB"));
    EXPECT_EQ(nearlyFull.aboutFreeText(), QStringLiteral("約 0 MB"));
    EXPECT_EQ(nearlyFull.used, nearlyFull.total);

    const MemoryFigures unused = MemoryFigures::fromBytes(0, 2 * 1048576);
    EXPECT_EQ(unused.usedText(), QStringLiteral("MB"));
    EXPECT_EQ(unused.aboutUsedText(), QStringLiteral("約  MB"));
}

TEST(MemoryFigures, LargeMachinesDoNotOverflow) {
    const MemoryFigures big = MemoryFigures::fromBytes(64ULL << 30, 40ULL << 30);
    EXPECT_EQ(big.total, 65538);
    EXPECT_EQ(big.free, 40960);
    EXPECT_EQ(big.used, 24578);
}

TEST(Patterns, ClockTextsFollowEverySecondAndTheDate) {
    ClockTexts texts;
    const QDateTime evening(QDate(2002, 7, 15), QTime(23, 59, 59, 100));
    EXPECT_EQ(texts.at(evening).seconds, QStringLiteral("59"));
    EXPECT_EQ(texts.at(evening.addMSecs(800)).seconds, QStringLiteral("59"));
    const ClockTexts& midnight = texts.at(evening.addMSecs(900));
    EXPECT_EQ(midnight.twelveHour, QStringLiteral("12:00 午前"));
    EXPECT_EQ(midnight.longDate, QStringLiteral("2002年7月16日(火)"));
    EXPECT_EQ(midnight.monthDay, QStringLiteral(" 7月16日(火)"));
}

TEST(MemoryFigures, MeterTextsFollowTheFigures) {
    MeterTexts texts;
    EXPECT_EQ(texts.of(MemoryFigures::fromBytes(268435456ULL, 41ULL << 20)).free,
              QStringLiteral("41MB"));
    EXPECT_EQ(texts.of(MemoryFigures::fromBytes(268435456ULL, 40ULL << 20)).aboutFree,
              QStringLiteral("約 40 MB"));
}

// The wildcards of the file search and the figures of its property lines.
#include "core/FileFigures.h"
#include "core/Wildcard.h"

#include <gtest/gtest.h>

namespace {
bool match(const char* pattern, const char* name) {
    return Wildcard(QString::fromUtf8(pattern)).matches(QString::fromUtf8(name));
}
} // namespace

TEST(Wildcard, StarDotStarMatchesEveryNameAlsoWithoutADot) {
    for (const char* name : {"readme", "a.txt", "archive.tar.gz", ".hidden", "x.", "日本語"})
        EXPECT_TRUE(match("*.*", name)) << name;
    EXPECT_TRUE(match("*", "readme"));
    EXPECT_TRUE(match("read*.*", "readme"));
    EXPECT_FALSE(match("read*.*", "other"));
}

TEST(Wildcard, StarMatchesAnyRunIncludingDotsAndNothing) {
    EXPECT_TRUE(match("*.gz", "archive.tar.gz"));
    EXPECT_TRUE(match("a*b", "ab"));
    EXPECT_TRUE(match("a*b", "a.x.b"));
    EXPECT_TRUE(match("*a*a*a*", "banana.a"));
    EXPECT_FALSE(match("*.txt", "a.txt.bak"));
    EXPECT_FALSE(match("*.txt", "txt"));
    EXPECT_FALSE(match("a*b", "a.x.bc"));
}

TEST(Wildcard, QuestionMarkIsExactlyOneCharacter) {
    EXPECT_TRUE(match("?.txt", "a.txt"));
    EXPECT_FALSE(match("?.txt", ".txt"));
    EXPECT_FALSE(match("?.txt", "ab.txt"));
    EXPECT_TRUE(match("a??", "a.b"));
    EXPECT_TRUE(match("?.txt", "漢.txt"));
    EXPECT_TRUE(match("?.txt", "\U0001F600.txt")) << "a character beyond 16 bits is one";
}

TEST(Wildcard, CaseDoesNotMatter) {
    EXPECT_TRUE(match("*.TXT", "readme.txt"));
    EXPECT_TRUE(match("*.txt", "README.TXT"));
    EXPECT_TRUE(match("ÄBC.TXT", "äbc.txt"));
    EXPECT_TRUE(match("*.Ｔｘｔ", "a.ｔｘｔ")) << "full-width letters have case too";
}

TEST(Wildcard, APatternWithoutWildcardsNamesOneFile) {
    EXPECT_FALSE(Wildcard(QStringLiteral("readme.txt")).hasWildcards());
    EXPECT_TRUE(Wildcard(QStringLiteral("*.txt")).hasWildcards());
    EXPECT_TRUE(match("readme.txt", "README.txt"));
    EXPECT_FALSE(match("readme.txt", "readme.txt2"));
    EXPECT_FALSE(match("readme.txt", "readme"));
    EXPECT_FALSE(match("readme", "readme.txt"));
}

TEST(Wildcard, ManyStarsAgainstALongNameStayQuick) {
    const QString name = QString(5000, u'a') + u'b';
    EXPECT_FALSE(Wildcard(QStringLiteral("*a*a*a*a*a*a*a*c")).matches(name));
}

TEST(FileFigures, TimesInTheJapaneseDefaultFormAndDateAloneAtMidnight) {
    EXPECT_EQ(filefigures::dateTime(QDateTime(QDate(2002, 6, 15), QTime(13, 45, 20))),
              QStringLiteral("2002/06/15 13:45:20"));
    EXPECT_EQ(filefigures::dateTime(QDateTime(QDate(2002, 6, 15), QTime(0, 0))),
              QStringLiteral("2002/06/15"));
    EXPECT_EQ(filefigures::dateTime(QDateTime(QDate(2002, 6, 15), QTime(0, 0, 1))),
              QStringLiteral("2002/06/15 00:00:01"));
    EXPECT_EQ(filefigures::dateTime(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59))),
              QStringLiteral("1999/12/31 23:59:59"));
}

TEST(FileFigures, SizesInKilobytesToTheNearestTenth) {
    struct Row {
        quint64 bytes;
        const char* text;
    };
    for (const Row& row : {Row{0, "0.0KB"}, Row{51, "0.0KB"}, Row{52, "0.1KB"}, Row{1023, "1.0KB"},
                           Row{1024, "1.0KB"}, Row{1536, "1.5KB"}, Row{5242880, "5120.0KB"},
                           Row{1126, "1.1KB"}, Row{~quint64(0), "18014398509481984.0KB"}})
        EXPECT_EQ(filefigures::kilobytes(row.bytes), QString::fromUtf8(row.text)) << row.bytes;
}

#include "core/SettingsFiles.h"
#include "core/Cp932.h"
#include "core/RecordFormat.h"

#include <gtest/gtest.h>

namespace {

QByteArray line(const char* utf8) {
    return cp932::encode(QString::fromUtf8(utf8)).value() + "\r\n";
}

template <typename Record, typename Parse, typename Write>
void expectRoundTrip(const QByteArray& bytes, Parse parse, Write write) {
    const Record record = parse(bytes);
    const std::optional<QByteArray> written = write(record, nullptr);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, bytes);
}

} // namespace

TEST(SettingsFiles, EveryDocumentedRecordRoundTripsToTheSameBytes) {
    for (const char* text : {"0,1,1,\"on\",12,0,0,1,1", "1,0,0,\"off\",24,1,1,0,0",
                             ",0,1,\"on\",12,0,0,1,1", "0,1,,\"on\",12,0,0,1,1"})
        expectRoundTrip<SettingsRecord>(line(text), settingsfile::parseSettings,
                                        settingsfile::writeSettings);
    for (const char* text : {"9000,600", "3127.5,-120", "0,0"})
        expectRoundTrip<PositionRecord>(line(text), settingsfile::parsePosition,
                                        settingsfile::writePosition);
    for (const char* text :
         {"\"ＭＳ Ｐゴシック\",#TRUE#,#FALSE#,16777215", "\"IPAGothic\",#FALSE#,#TRUE#,255"})
        expectRoundTrip<FontRecord>(line(text), settingsfile::parseFont, settingsfile::writeFont);
}

TEST(SettingsFiles, FixedNotOnTopRecordReadsAsItsValues) {
    const SettingsRecord r = settingsfile::parseSettings(line("1,0,0,\"off\",24,1,1,0,0"));
    EXPECT_TRUE(r.iti.is(1));
    EXPECT_TRUE(r.front.is(0));
    EXPECT_EQ(r.rogo, QStringLiteral("off"));
    EXPECT_TRUE(r.tAmPm.is(24));
    EXPECT_EQ(r.ymd, 1);
    EXPECT_EQ(r.ssVis, 1);
    EXPECT_TRUE(r.aset.is(0));
    EXPECT_TRUE(r.memMni.is(0));
}

TEST(SettingsFiles, EmptyVariantIsZeroButNotOne) {
    const SettingsRecord r = settingsfile::parseSettings(line(",0,1,\"on\",12,0,0,1,1"));
    EXPECT_TRUE(r.iti.isEmpty());
    EXPECT_TRUE(r.iti.is(0));
    EXPECT_FALSE(r.iti.is(1));
}

TEST(SettingsFiles, FontBooleansAndItalicText) {
    const FontRecord italic = settingsfile::parseFont(line("\"a\",#TRUE#,#TRUE#,0"));
    EXPECT_TRUE(italic.bold);
    EXPECT_EQ(italic.italic, record::TrueText);
    const FontRecord other = settingsfile::parseFont(line("\"a\",#FALSE#,\"maybe\",0"));
    EXPECT_FALSE(other.bold);
    EXPECT_EQ(other.italic, QStringLiteral("maybe"));
}

TEST(SettingsFiles, ShortOrMalformedFilesAreRefused) {
    EXPECT_THROW(settingsfile::parseSettings(line("0,1,1,\"on\",12,0,0,1")), record::FormatError);
    EXPECT_THROW(settingsfile::parseSettings(QByteArray()), record::FormatError);
    EXPECT_THROW(settingsfile::parseSettings(line("x,1,1,\"on\",12,0,0,1,1")), record::FormatError);
    EXPECT_THROW(settingsfile::parsePosition(line("9000")), record::FormatError);
    EXPECT_THROW(settingsfile::parsePosition(line("abc,600")), record::FormatError);
    EXPECT_THROW(settingsfile::parseFont(line("\"a\",#TRUE#,#FALSE#")), record::FormatError);
    EXPECT_THROW(settingsfile::parseSettings(line("0,1,1,\"on\",99999,0,0,1,1")),
                 record::FormatError);
}

TEST(RecordFormat, ReadingRules) {
    record::Reader reader(
        cp932::encode(
            QStringLiteral("  \"a, b\"  ,\t12, #TRUE#,,\"x\"junk,\r\n3.5\r\n\r\n\"設定なし\"\r\n"))
            .value());
    EXPECT_EQ(reader.readText(), QStringLiteral("a, b"));
    EXPECT_EQ(reader.readNumber(), 12);
    EXPECT_EQ(reader.readText(), record::TrueText);
    EXPECT_EQ(reader.readNumber(), 0);
    EXPECT_EQ(reader.readText(), QStringLiteral("x"));
    EXPECT_TRUE(reader.readVariant().isEmpty());
    EXPECT_EQ(reader.readVariant(), Variant::number(3.5));
    EXPECT_EQ(reader.readText(), QStringLiteral("設定なし"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.readText(), record::FormatError);
}

TEST(RecordFormat, NumbersAreWrittenPlainly) {
    EXPECT_EQ(record::formatNumber(1), QStringLiteral("1"));
    EXPECT_EQ(record::formatNumber(4200), QStringLiteral("4200"));
    EXPECT_EQ(record::formatNumber(-120), QStringLiteral("-120"));
    EXPECT_EQ(record::formatNumber(3127.5), QStringLiteral("3127.5"));
    EXPECT_EQ(record::formatSingle(0.1f), QStringLiteral("0.1"));
}

TEST(RecordFormat, TextsTheFileCannotHoldAreRefused) {
    QString problem;
    EXPECT_FALSE(
        settingsfile::writeFont({QStringLiteral("a\"b"), false, record::FalseText, 0}, &problem));
    EXPECT_TRUE(problem.contains(u'"'));
    EXPECT_FALSE(
        settingsfile::writeFont({QStringLiteral("Face 😀"), false, record::FalseText, 0}, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("😀")));
    EXPECT_TRUE(
        settingsfile::writeFont({QStringLiteral("～①"), false, record::FalseText, 0}, &problem));
    EXPECT_TRUE(problem.isEmpty());
}

TEST(SettingsFiles, APositionBeyondThirtyTwoBitsIsDamagedAndOneWithinRoundTrips) {
    for (const char* text : {"2147483648,600", "9000,1099511627776", "1e38,0", "0,-2147483904"})
        EXPECT_THROW(settingsfile::parsePosition(line(text)), record::FormatError) << text;
    // Each value read is written back exactly, even where a single cannot hold every digit.
    for (const char* text : {"-999999,600", "-2147483648,2147483520", "16777216,-0.5"})
        expectRoundTrip<PositionRecord>(line(text), settingsfile::parsePosition,
                                        settingsfile::writePosition);
    // The very top of the range stays in it once it is a single.
    const PositionRecord top = settingsfile::parsePosition(line("2147483647,0"));
    EXPECT_EQ(settingsfile::writePosition(top), line("2147483520,0"));
}

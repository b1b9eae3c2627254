// The program's own code page 932 against ICU's "windows-31j", which wrote every data file
// before: every byte, every pair a lead byte begins, and every character of the first plane.
#include "core/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

constexpr const char* Icu = "windows-31j";
// ICU writes this private character as the bytes of "№", which read back as "№"; the
// program refuses it rather than change the text.
constexpr char16_t NoRoundTrip = 0xF86F;

QString icuDecoded(const QByteArray& bytes) {
    QStringDecoder decoder(Icu);
    return decoder(bytes);
}

std::optional<QByteArray> icuEncoded(const QString& text) {
    QStringEncoder encoder(Icu);
    const QByteArray bytes = encoder(text);
    return encoder.hasError() ? std::nullopt : std::optional(bytes);
}

bool icuMissing() {
    return !QStringDecoder(Icu).isValid();
}

} // namespace

TEST(Cp932, EveryByteAndEveryPairReadsAsBefore) {
    if (icuMissing())
        GTEST_SKIP() << "no ICU to compare with";
    for (int first = 0; first < 256; ++first) {
        const QByteArray one(1, char(first));
        ASSERT_EQ(cp932::decode(one), icuDecoded(one)) << first;
        for (int second = 0; second < 256; ++second) {
            // The third byte shows whether the second was taken into the pair.
            const QByteArray three = QByteArray(1, char(first)) + char(second) + 'A';
            ASSERT_EQ(cp932::decode(three), icuDecoded(three)) << first << " " << second;
        }
    }
}

TEST(Cp932, EveryCharacterIsWrittenAsBeforeAndReadsBack) {
    if (icuMissing())
        GTEST_SKIP() << "no ICU to compare with";
    int written = 0;
    for (int unit = 0; unit < 0x10000; ++unit) {
        const QString character{QChar(char16_t(unit))};
        const std::optional<QByteArray> ours = cp932::encode(character);
        EXPECT_EQ(cp932::firstUnencodable(character).isEmpty(), ours.has_value()) << unit;
        // ICU also wrote nothing, without an error, for half of a character beyond the
        // first plane at the end of a text; the program refuses it.
        if (unit == NoRoundTrip || QChar::isSurrogate(unit)) {
            EXPECT_FALSE(ours) << unit;
            continue;
        }
        ASSERT_EQ(ours, icuEncoded(character)) << unit;
        if (ours) {
            ++written;
            EXPECT_EQ(cp932::decode(*ours), character) << unit;
        }
    }
    EXPECT_GT(written, 9000);
}

TEST(Cp932, TextBeyondTheFirstPlaneIsRefusedAsAWhole) {
    const QString text = QStringLiteral("時計😀です");
    EXPECT_FALSE(cp932::encode(text));
    EXPECT_EQ(cp932::firstUnencodable(text), QStringLiteral("😀"));
    EXPECT_EQ(cp932::encode(QStringLiteral("ＭＳ ゴシック")),
              QByteArray("\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e"));
}

#include "core/AlarmTable.h"
#include "core/Cp932.h"
#include "core/RecordFormat.h"

#include <gtest/gtest.h>

namespace {

QByteArray lines(const QStringList& texts) {
    QByteArray bytes;
    for (const QString& text : texts)
        bytes += cp932::encode(text).value() + "\r\n";
    return bytes;
}

QStringList quoted(int count, const QString& text) {
    return QStringList(count, u'"' + text + u'"');
}

} // namespace

TEST(AlarmTable, SlotLabelsUseFullWidthDigits) {
    EXPECT_EQ(alarmtable::slotLabel(0), QStringLiteral("０時"));
    EXPECT_EQ(alarmtable::slotLabel(1), QStringLiteral("０時３０分"));
    EXPECT_EQ(alarmtable::slotLabel(20), QStringLiteral("１０時"));
    EXPECT_EQ(alarmtable::slotLabel(47), QStringLiteral("２３時３０分"));
}

TEST(AlarmTable, ASavedTableRoundTripsToTheSameBytes) {
    QStringList texts = quoted(48, QStringLiteral("設定なし"));
    texts[1] = QStringLiteral("\"/home/user/サウンド/chime.wav\"");
    texts[47] = QStringLiteral("\"C:\\Sounds\\a, b.wav\"");
    const QByteArray bytes = lines(texts);
    const QStringList table = alarmtable::parse(bytes);
    EXPECT_EQ(table[1], QStringLiteral("/home/user/サウンド/chime.wav"));
    EXPECT_EQ(table[47], QStringLiteral("C:\\Sounds\\a, b.wav"));
    EXPECT_EQ(alarmtable::write(table).value(), bytes);
}

TEST(AlarmTable, AShortTableIsRefusedOnLoad) {
    EXPECT_THROW(alarmtable::parse(lines(quoted(47, QStringLiteral("設定なし")))),
                 record::FormatError);
}

TEST(AlarmTable, ImportRepeatsTheLastFieldAndTakesTheFirst48) {
    const QStringList three = alarmtable::import(lines(
        {QStringLiteral("\"a.wav\""), QStringLiteral("\"b.wav\""), QStringLiteral("\"c.wav\"")}));
    ASSERT_EQ(three.size(), 48);
    EXPECT_EQ(three.mid(0, 3), (QStringList{QStringLiteral("a.wav"), QStringLiteral("b.wav"),
                                            QStringLiteral("c.wav")}));
    EXPECT_EQ(three.mid(3), QStringList(45, QStringLiteral("c.wav")));

    QStringList many;
    for (int i = 0; i < 50; ++i)
        many << QStringLiteral("\"%1.wav\"").arg(i);
    const QStringList first48 = alarmtable::import(lines(many));
    EXPECT_EQ(first48.size(), 48);
    EXPECT_EQ(first48.constLast(), QStringLiteral("47.wav"));

    EXPECT_EQ(alarmtable::import(std::nullopt), QStringList(48, QString()));
    EXPECT_EQ(alarmtable::import(QByteArray()), QStringList(48, QString()));
}

TEST(AlarmTable, EntriesTheFileCannotHoldAreRefused) {
    QStringList table(48, QStringLiteral("設定なし"));
    table[3] = QStringLiteral("/tmp/quote\".wav");
    QString problem;
    EXPECT_FALSE(alarmtable::write(table, &problem).has_value());
    EXPECT_TRUE(problem.contains(QStringLiteral("quote")));
}

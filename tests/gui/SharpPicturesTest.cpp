#include "ui/Pictures.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

// On a screen scaled by 2 every picture is drawn at twice its detail, never enlarged from the
// small one: the large twin has exactly twice the pixels and shows at the same logical size.
TEST(SharpPictures, EveryPictureHasATwinDrawnAtTwiceTheDetail) {
    const QDir folder(QStringLiteral(":/pictures"));
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        if (name.endsWith(QLatin1String("@2x")))
            continue;
        SCOPED_TRACE(name.toStdString());
        const QPixmap small = pictures::loadFor(name, 1.0);
        const QPixmap large = pictures::loadFor(name, 2.0);
        ASSERT_FALSE(small.isNull());
        ASSERT_TRUE(names.contains(name + QStringLiteral("@2x")));
        EXPECT_EQ(large.size(), small.size() * 2);
        EXPECT_EQ(large.devicePixelRatio(), 2.0);
        EXPECT_EQ(large.deviceIndependentSize(), small.deviceIndependentSize());
        EXPECT_NE(large.toImage(), small.toImage().scaled(large.size()))
            << "an enlarged copy, not a drawing";
        EXPECT_EQ(pictures::loadFor(name, 1.5).devicePixelRatio(), 2.0);
    }
}

// An icon reads its pictures only when drawn, and then draws each screen from its own twin.
TEST(SharpPictures, AnIconDrawsEachScreenFromItsOwnTwin) {
    const QIcon icon = pictures::icon(QStringLiteral("PageAlarm"));
    EXPECT_FALSE(icon.isNull());
    const QPixmap small = icon.pixmap(QSize(16, 16), 1.0);
    const QPixmap large = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(small.toImage(), pictures::loadFor(QStringLiteral("PageAlarm"), 1.0).toImage());
    EXPECT_EQ(large.toImage(), pictures::loadFor(QStringLiteral("PageAlarm"), 2.0).toImage());
    EXPECT_EQ(large.devicePixelRatio(), 2.0);
}

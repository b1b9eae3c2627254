#include "functionscreen/ProductPage.h"
#include "Harness.h"
#include "functionscreen/Form2.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct OnProductPage : Harness {
    OnProductPage() {
        start();
        form1().kvVer->trigger();
    }
    ProductPage& page() { return *form2().Picture8; }
    // The panel seen: the only one shown.
    QFrame* front() {
        EXPECT_NE(page().Picture9->isVisible(), page().Picture10->isVisible());
        return page().Picture10->isVisible() ? page().Picture10 : page().Picture9;
    }
};

} // namespace

TEST(ProductPage, SupportPanelIsInFrontAtEveryOpening) {
    OnProductPage p;
    EXPECT_EQ(p.front(), p.page().Picture10);
    QTest::mouseClick(p.page().Command25, Qt::LeftButton);
    EXPECT_EQ(p.front(), p.page().Picture9);
    QTest::mouseClick(p.page().Command24, Qt::LeftButton);
    EXPECT_EQ(p.front(), p.page().Picture10);
    QTest::mouseClick(p.page().Command25, Qt::LeftButton);

    QTest::mouseClick(p.form2().Command37, Qt::LeftButton);
    p.form1().kvVer->trigger();
    EXPECT_EQ(p.front(), p.page().Picture10);
}

TEST(ProductPage, NameAndVersionInTheirTypeAndPlaces) {
    OnProductPage p;
    ProductPage& page = p.page();
    EXPECT_EQ(page.Label25->text(), QStringLiteral("モルベーン3.1"));
    EXPECT_TRUE(page.Label25->font().bold());
    EXPECT_DOUBLE_EQ(page.Label25->font().pointSizeF(), 14.25);
    EXPECT_EQ(page.Label30->text(), QStringLiteral("Version 3.120"));
    EXPECT_EQ(page.Picture9->geometry(), QRect(32, 16, 369, 233));
    EXPECT_EQ(page.Picture10->geometry(), QRect(32, 24, 361, 225));
    EXPECT_EQ(page.Command13->geometry(), QRect(112, 80, 217, 25));
    EXPECT_EQ(page.Command24->geometry(), QRect(224, 200, 113, 25));
    EXPECT_EQ(page.Command25->geometry(), QRect(224, 192, 113, 25));
}

TEST(ProductPage, PicturesAndTheAddressAreDrawnOnceThePageShows) {
    OnProductPage p;
    for (const char* name : {"ProgramIcon", "ProductLogo"}) {
        const auto* picture = p.page().findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_FALSE(picture->pixmap().isNull()) << name;
    }
    EXPECT_FALSE(p.page().Command13->text().isEmpty());
}

TEST(ProductPage, SupportButtonOpensTheDeliveredPageAndIgnoresTheAnswer) {
    OnProductPage p;
    const QUrl page = ProductPage::supportPage();
    EXPECT_TRUE(page.isLocalFile());
    EXPECT_TRUE(page.toLocalFile().endsWith(QStringLiteral("/support.html")));
    EXPECT_EQ(p.page().Command13->toolTip(), page.toString());
    QTest::mouseClick(p.page().Command13, Qt::LeftButton);
    EXPECT_EQ(p.platform.callsOf(QStringLiteral("openWebPage")),
              QStringList({QStringLiteral("openWebPage(%1)").arg(page.toString())}));
    EXPECT_EQ(p.ended, 0);
}

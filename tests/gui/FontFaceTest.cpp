#include "Harness.h"
#include "functionscreen/SettingsPage.h"
#include "ui/Dialogs.h"

#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct WithFace : Harness {
    explicit WithFace(const char* fot) {
        setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
        setFile(QStringLiteral("fot.kvi"), cp932Lines({QString::fromUtf8(fot)}));
        start();
        form1().kvSet->trigger();
    }
    SettingsPage& page() { return built(form2().Picture7); }
};

} // namespace

// The real dialog, opened on the clock's face and confirmed at once, changes nothing: neither
// the stored face nor the labels (a substituted face stays stored under its own name).
TEST(FontFace, TheDialogOpensOnTheShownFaceAndOkAloneChangesNothing) {
    // Made once: filling its list of families takes seconds.
    QFontDialog dialog;
    for (const char* fot :
         {"\"DejaVu Serif\",#TRUE#,#FALSE#,16777215", "\"DejaVu Serif\",#FALSE#,#TRUE#,16777215",
          "\"ＭＳ ゴシック\",#TRUE#,#FALSE#,16777215"}) {
        SCOPED_TRACE(fot);
        WithFace h(fot);
        QLabel* time = h.form1().Label17;
        const QFontInfo shown(time->font());
        dialog.setCurrentFont(h.form1().clockFace());
        const QFont opened = dialog.currentFont();
        EXPECT_EQ(opened.family(), shown.family());
        EXPECT_EQ(opened.styleName(), shown.styleName());
        if (shown.family() == QLatin1String("DejaVu Serif")) {
            EXPECT_EQ(opened.bold(), time->font().bold());
            EXPECT_EQ(opened.italic(), time->font().italic());
        }

        const QByteArray before = h.file(QStringLiteral("fot.kvi"));
        const QFont fontBefore = time->font();
        dialogs::script::push(opened);
        QTest::mouseClick(h.page().Command5, Qt::LeftButton);
        EXPECT_EQ(dialogs::script::shown().constLast().text, shown.family());
        EXPECT_EQ(h.file(QStringLiteral("fot.kvi")), before);
        EXPECT_EQ(time->font(), fontBefore);
        EXPECT_EQ(h.form1().Label2->font().family(), fontBefore.family());
    }
}

// The shared fixture must fail a test that scripts dialogs wrongly, and the polling helper
// must fail at its deadline: otherwise a broken test passes in silence.
#include "Harness.h"
#include "Polling.h"
#include "ui/Dialogs.h"

#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(TestSupport, AScriptedReplyThatNoDialogTakesFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            Harness h;
            dialogs::script::push(dialogs::Answer::Yes);
        },
        "never shown");
}

TEST(TestSupport, AReplyOfAnotherKindFailsTheTestInsteadOfCancelling) {
    EXPECT_NONFATAL_FAILURE(
        {
            Harness h;
            dialogs::script::push(QStringLiteral("/snd/a.wav"));
            EXPECT_EQ(dialogs::message(nullptr, QStringLiteral("q"), dialogs::Style::YesNoStop),
                      dialogs::Answer::No);
        },
        "another kind");
    EXPECT_NONFATAL_FAILURE(
        {
            Harness h;
            dialogs::script::push(dialogs::Answer::Ok);
            EXPECT_FALSE(dialogs::openFile(nullptr, QStringLiteral("t"), QStringLiteral("a|*.a")));
        },
        "another kind");
}

TEST(TestSupport, ADialogWithoutAReplyFailsTheTestAndACancelIsAnAnswer) {
    EXPECT_NONFATAL_FAILURE(
        {
            Harness h;
            dialogs::message(nullptr, QStringLiteral("unasked"));
        },
        "no reply was scripted");
    Harness h;
    dialogs::script::push(dialogs::script::Cancel{});
    dialogs::script::push(dialogs::script::Cancel{});
    EXPECT_EQ(dialogs::message(nullptr, QStringLiteral("q"), dialogs::Style::YesNoQuestion),
              dialogs::Answer::No);
    EXPECT_FALSE(dialogs::chooseColour(nullptr, Qt::red));
}

TEST(TestSupport, WaitingFailsAtTheDeadlineAndEndsOnceTheConditionHolds) {
    EXPECT_FALSE(eventually([] { return false; }, "nothing", 100));
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    EXPECT_TRUE(eventually([&] { return fired; }, "the timer"));
}

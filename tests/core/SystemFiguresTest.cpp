#include "core/SystemFigures.h"

#include <gtest/gtest.h>

using namespace systemfigures;

TEST(SystemFigures, VersionHasTheFullWidthPoint) {
    EXPECT_EQ(versionText(4, 10), QStringLiteral("4．10"));
    EXPECT_EQ(versionText(5, 0), QStringLiteral("5．0"));
}

TEST(SystemFigures, ReleaseNumbersAreTheDigitsEachFieldStartsWith) {
    const struct {
        const char* release;
        int major, minor, build;
    } cases[] = {
        {"6.12.57+deb13-amd64", 6, 12, 57},
        {"6.1.0-18-amd64", 6, 1, 0},
        {"6.18.44-fc-v1403", 6, 18, 44},
        {"5.4", 5, 4, 0},
        {"", 0, 0, 0},
        {"rc.x.y", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.release);
        const Release r = parseRelease(QString::fromLatin1(c.release));
        EXPECT_EQ(r.major, c.major);
        EXPECT_EQ(r.minor, c.minor);
        EXPECT_EQ(r.build, c.build);
    }
}

TEST(SystemFigures, PrettyNameIsUnquotedAndMayBeMissing) {
    EXPECT_EQ(
        prettyName("NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 13 (trixie)\"\nID=debian\n"),
        QStringLiteral("Debian GNU/Linux 13 (trixie)"));
    EXPECT_EQ(prettyName("PRETTY_NAME=Plain\n"), QStringLiteral("Plain"));
    EXPECT_EQ(prettyName("PRETTY_NAME='Single \"q\"'\n"), QStringLiteral("Single \"q\""));
    EXPECT_EQ(prettyName("PRETTY_NAME=\"Say \\\"hi\\\"\"\n"), QStringLiteral("Say \"hi\""));
    EXPECT_EQ(prettyName("PRETTY_NAME=\"日本語版\"\n"), QStringLiteral("日本語版"));
    EXPECT_EQ(prettyName("NAME=x\n"), QString());
}

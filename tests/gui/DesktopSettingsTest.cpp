// The wallpaper setting through the real GSettings library, on the keyfile back end in a
// temporary folder: the user's own settings are never touched.
// GIO comes before Qt: Qt's "signals" keyword would break GIO's headers.
#include <gio/gio.h>

#include "core/ErrorReport.h"
#include "platform/linux/desktop/DesktopSettings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace desktopsettings;

namespace {

class DesktopSettings : public ::testing::Test {
protected:
    // GLib reads these once per process, so they are set before its first use.
    static void SetUpTestSuite() {
        home_ = new QTemporaryDir;
        qputenv("GSETTINGS_BACKEND", "keyfile");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_->path()));
    }
    static void TearDownTestSuite() {
        delete home_;
        home_ = nullptr;
    }
    static QString keyfile() {
        return home_->filePath(QStringLiteral("glib-2.0/settings/keyfile"));
    }
    // Writes an address as another program would.
    static void storeUri(const char* uri) {
        GSettings* settings = g_settings_new(BackgroundSchema);
        g_settings_set_string(settings, PictureKey, uri);
        g_settings_sync();
        g_object_unref(settings);
    }
    static int read(QString& result, QString& failure) {
        return readPath(BackgroundSchema, PictureKey, result, failure);
    }
    static inline QTemporaryDir* home_ = nullptr;
};

} // namespace

TEST_F(DesktopSettings, WritesBothPictureKeysToTheKeyfileAndReadsThePathBack) {
    ASSERT_TRUE(writePath(BackgroundSchema, QStringLiteral("/tmp/壁紙 1.bmp")));
    QFile file(keyfile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "settings went elsewhere than the keyfile";
    const QByteArray stored = file.readAll();
    EXPECT_TRUE(stored.contains("picture-uri='file:///tmp/%E5%A3%81%E7%B4%99%201.bmp'"));
    EXPECT_TRUE(stored.contains("picture-uri-dark='file:///tmp/%E5%A3%81%E7%B4%99%201.bmp'"));
    QString path, failure;
    EXPECT_EQ(read(path, failure), 0);
    EXPECT_EQ(path, QStringLiteral("/tmp/壁紙 1.bmp"));
    EXPECT_TRUE(failure.isEmpty());

    ASSERT_TRUE(writePath(BackgroundSchema, QString()));
    path = QStringLiteral("unchanged");
    EXPECT_EQ(read(path, failure), 0);
    EXPECT_EQ(path, QString());
}

TEST_F(DesktopSettings, MissingSchemaOrKeyIsNotFoundAndChangesNothing) {
    QString path = QStringLiteral("kept"), failure;
    EXPECT_EQ(readPath("org.morvane.no-such-schema", PictureKey, path, failure), NotFound);
    EXPECT_EQ(readPath(BackgroundSchema, "no-such-key", path, failure), NotFound);
    // A key of another type is no text to read.
    EXPECT_EQ(readPath(BackgroundSchema, "show-desktop-icons", path, failure), NotFound);
    EXPECT_EQ(path, QStringLiteral("kept"));
    EXPECT_TRUE(failure.isEmpty());
    EXPECT_FALSE(writePath("org.morvane.no-such-schema", QStringLiteral("/tmp/a.bmp")));
}

TEST_F(DesktopSettings, APathOf511BytesFitsAnd512DoNot) {
    const QString fits = u'/' + QString(510, u'a');
    ASSERT_TRUE(writePath(BackgroundSchema, fits));
    QString path, failure;
    EXPECT_EQ(read(path, failure), 0);
    EXPECT_EQ(path, fits);

    ASSERT_TRUE(writePath(BackgroundSchema, fits + u'b'));
    path = QStringLiteral("kept");
    EXPECT_EQ(read(path, failure), MoreData);
    EXPECT_EQ(path, QStringLiteral("kept"));
}

TEST_F(DesktopSettings, TextAfterAnEncodedNulIsCutAndAForeignAddressIsAFault) {
    storeUri("file:///tmp/a.bmp%00/hidden");
    QString path, failure;
    EXPECT_EQ(read(path, failure), 0);
    EXPECT_EQ(path, QStringLiteral("/tmp/a.bmp"));

    storeUri("https://example.org/a.jpg");
    path = QStringLiteral("kept");
    EXPECT_EQ(read(path, failure), BadValue);
    EXPECT_EQ(path, QStringLiteral("kept"));
    EXPECT_FALSE(failure.isEmpty());

    // A foreign address of megabytes could name no path that fits: it is neither
    // converted nor put into a report.
    storeUri(("https://example.org/" + QByteArray(4 << 20, 'a')).constData());
    failure.clear();
    EXPECT_EQ(read(path, failure), MoreData);
    EXPECT_EQ(path, QStringLiteral("kept"));
    EXPECT_TRUE(failure.isEmpty());
}

TEST(ErrorReport, TextAndCaption) {
    EXPECT_EQ(errorreport::caption(), QStringLiteral("実行エラー - Morvane3.1"));
    EXPECT_EQ(errorreport::text(QStringLiteral("ﾚｼﾞｽﾄﾘからの読込"), 5,
                                QStringLiteral("プロシージャの呼び出し、または引数が不正です。")),
              QStringLiteral("[ﾚｼﾞｽﾄﾘからの読込] 中、予期せぬエラーが発生しました。\r\n\r\n"
                             "　　エラー内容 = プロシージャの呼び出し、または引数が不正です。"
                             "(Err.Num=&H5)"));
    EXPECT_EQ(errorreport::text(QString(), 234, QStringLiteral("x")),
              QStringLiteral("　　エラー内容 = x(Err.Num=&HEA)"));
}

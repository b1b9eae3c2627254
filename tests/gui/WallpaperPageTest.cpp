#include "functionscreen/WallpaperPage.h"
#include "Harness.h"
#include "HostileFiles.h"
#include "Polling.h"
#include "functionscreen/Form2.h"
#include "platform/PictureFile.h"
#include "ui/Aside.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sys/resource.h>
#include <thread>

namespace {

struct OnWallpaper : Harness {
    OnWallpaper() {
        pictures = folder.filePath(QStringLiteral("pics"));
        QDir().mkpath(pictures);
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(picture(QStringLiteral("Red.BMP")), "BMP");
        QFile damaged(picture(QStringLiteral("damaged.bmp")));
        damaged.open(QIODevice::WriteOnly);
        damaged.write("BM this is no bitmap");
        damaged.close();
        platform.folders[pictures] = {
            {QStringLiteral("Red.BMP")},
            {QStringLiteral("damaged.bmp")},
            {QStringLiteral("notes.txt")},
            {QStringLiteral("dir.bmp"), true},
            {QStringLiteral(".hidden.bmp"), false, true},
            {QStringLiteral("fifo.bmp"), false, false, true},
        };
        setFile(QStringLiteral("bg.kvi"), cp932Lines({u'"' + pictures + u'"'}));
    }
    QString picture(const QString& name) const { return pictures + u'/' + name; }
    WallpaperPage& page() { return *form2().Picture3; }
    // The start, with the bitmap list filled: it is listed aside.
    Form1& start() {
        Form1& form1 = Harness::start();
        EXPECT_TRUE(listingArrived());
        return form1;
    }
    testing::AssertionResult listingArrived() {
        return eventually([this] { return !page().listingPending(); }, "the bitmap listing");
    }
    QStringList listed() {
        QStringList names;
        for (int row = 0; row < page().File1->count(); ++row)
            names << page().File1->item(row)->text();
        return names;
    }
    void click(const QString& name) {
        ASSERT_TRUE(listingArrived());
        const auto found = page().File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        page().File1->setCurrentItem(found.first());
        page().File1_Click();
    }
    void showPage() {
        form2().bringToFront(Form2::PageId::Wallpaper);
        form2().showPage();
    }
    QString pictures;
};

} // namespace

TEST(WallpaperPage, LoadListsTheStoredFoldersBitmapsAndTheCurrentWallpaper) {
    OnWallpaper p;
    p.platform.wallpaperCode = 0;
    p.platform.wallpaper = p.picture(QStringLiteral("Red.BMP"));
    p.start();
    // The setting and the preview wait until the page is seen, so the start stays light.
    EXPECT_FALSE(p.page().isBuilt());
    p.showPage();
    EXPECT_EQ(p.page().Label7->text(), p.pictures);
    EXPECT_EQ(p.listed(), (QStringList{QStringLiteral("Red.BMP"), QStringLiteral("damaged.bmp")}));
    EXPECT_EQ(p.page().Label22->text(), QStringLiteral("16777216　色"));
    EXPECT_EQ(p.page().Label24->text(), p.picture(QStringLiteral("Red.BMP")));
    EXPECT_FALSE(p.page().Pic->pixmap().isNull());
    p.form2().Timer1_Timer();
    EXPECT_EQ(p.page().Label21->text(), QStringLiteral("1280×1024  ピクセル"));
}

TEST(WallpaperPage, AFailedReadSaysSoAndAMissingFileListsNothing) {
    OnWallpaper p;
    p.removeFile(QStringLiteral("bg.kvi"));
    p.start();
    p.showPage();
    EXPECT_EQ(p.page().Label24->text(), QStringLiteral("壁紙ファイル名が取得できませんでした。"));
    EXPECT_EQ(p.page().Label7->text(), QString());
    EXPECT_EQ(p.page().File1->count(), 0);
    EXPECT_EQ(p.file(QStringLiteral("bg.kvi")), QByteArray()) << "nothing creates the file";
}

TEST(WallpaperPage, AReaderFaultIsReportedWithTheErrorBox) {
    OnWallpaper p;
    p.platform.wallpaperCode = 5;
    p.platform.wallpaperFailure = QStringLiteral("file でないアドレスです");
    p.start();
    dialogs::script::push(dialogs::Answer::Ok);
    p.showPage();
    const dialogs::script::Shown& box = dialogs::script::shown().constLast();
    EXPECT_EQ(box.title, QStringLiteral("実行エラー - Morvane3.1"));
    EXPECT_EQ(box.style, dialogs::Style::OkError);
    EXPECT_EQ(box.text,
              QStringLiteral("[ﾚｼﾞｽﾄﾘからの読込] 中、予期せぬエラーが発生しました。\r\n\r\n"
                             "　　エラー内容 = file でないアドレスです(Err.Num=&H5)"));
    EXPECT_EQ(p.page().Label24->text(), QStringLiteral("壁紙ファイル名が取得できませんでした。"));
}

TEST(WallpaperPage, ClickingBitmapsSetsAndRemovesTheWallpaper) {
    OnWallpaper p;
    p.start();
    p.showPage();
    p.click(QStringLiteral("damaged.bmp"));
    EXPECT_EQ(p.page().Label24->text(), p.picture(QStringLiteral("damaged.bmp")));
    EXPECT_TRUE(p.page().Pic->pixmap().isNull()) << "a damaged bitmap gives an empty preview";
    p.click(QStringLiteral("Red.BMP"));
    EXPECT_FALSE(p.page().Pic->pixmap().isNull());

    QTest::mouseClick(p.page().Command3, Qt::LeftButton);
    EXPECT_EQ(p.platform.callsOf(QStringLiteral("setWallpaper")).constLast(),
              QStringLiteral("setWallpaper(%1)").arg(p.picture(QStringLiteral("Red.BMP"))));

    QTest::mouseClick(p.page().Command4, Qt::LeftButton);
    EXPECT_EQ(p.platform.callsOf(QStringLiteral("setWallpaper")).constLast(),
              QStringLiteral("setWallpaper()"));
    EXPECT_EQ(p.page().Label24->text(), QStringLiteral("壁紙が設定されていません。"));
    EXPECT_TRUE(p.page().Pic->pixmap().isNull());

    p.platform.wallpaperAccepted = false;
    dialogs::script::push(dialogs::Answer::Ok);
    QTest::mouseClick(p.page().Command3, Qt::LeftButton);
    EXPECT_EQ(dialogs::script::shown().constLast().text,
              QStringLiteral("壁紙が設定できませんでした。"));
    EXPECT_EQ(dialogs::script::shown().constLast().style, dialogs::Style::Ok);
    EXPECT_EQ(p.page().Label24->text(), QStringLiteral("壁紙が設定されていません。"));
}

TEST(WallpaperPage, ARootFolderJoinsWithOneSeparator) {
    OnWallpaper p;
    p.platform.folders[QStringLiteral("/")] = {{QStringLiteral("top.bmp")}};
    p.start();
    p.page().ensureBuilt();
    dialogs::script::push(QStringLiteral("/"));
    QTest::mouseClick(p.page().Command2, Qt::LeftButton);
    EXPECT_EQ(p.page().Label7->text(), QStringLiteral("/"));
    p.click(QStringLiteral("top.bmp"));
    EXPECT_EQ(p.page().Label24->text(), QStringLiteral("/top.bmp"));
    EXPECT_EQ(p.file(QStringLiteral("bg.kvi")), cp932Lines({u'"' + p.pictures + u'"'}))
        << "a chosen folder is not stored";
}

TEST(WallpaperPage, DefaultAsksAndStoresOnlyOnYesAndRefusesWhatTheFileCannotHold) {
    OnWallpaper p;
    p.start();
    p.page().ensureBuilt();
    const QString other = p.folder.filePath(QStringLiteral("写真"));
    p.platform.folders[other] = {};
    dialogs::script::push(other);
    QTest::mouseClick(p.page().Command2, Qt::LeftButton);

    dialogs::script::push(dialogs::Answer::No);
    QTest::mouseClick(p.page().Command28, Qt::LeftButton);
    EXPECT_EQ(dialogs::script::shown().constLast().style, dialogs::Style::YesNoQuestion);
    EXPECT_EQ(dialogs::script::shown().constLast().text,
              QStringLiteral("現在のフォルダの位置をデフォルトにしますか？\n"
                             "次回起動時から以下のパスのビットマップを参照します。\n\n") +
                  other);
    EXPECT_EQ(p.file(QStringLiteral("bg.kvi")), cp932Lines({u'"' + p.pictures + u'"'}));

    dialogs::script::push(dialogs::Answer::Yes);
    QTest::mouseClick(p.page().Command28, Qt::LeftButton);
    EXPECT_EQ(p.file(QStringLiteral("bg.kvi")), cp932Lines({u'"' + other + u'"'}));

    for (const QString& bad :
         {p.folder.filePath(QStringLiteral("a\"b")), p.folder.filePath(QStringLiteral("😀"))}) {
        dialogs::script::push(bad);
        QTest::mouseClick(p.page().Command2, Qt::LeftButton);
        dialogs::script::push(dialogs::Answer::Ok);
        QTest::mouseClick(p.page().Command28, Qt::LeftButton);
        EXPECT_TRUE(dialogs::script::shown().constLast().text.contains(QStringLiteral("保存")));
        EXPECT_EQ(p.file(QStringLiteral("bg.kvi")), cp932Lines({u'"' + other + u'"'}));
    }
}

TEST(WallpaperPage, DefaultWithNoFolderDoesNothing) {
    OnWallpaper p;
    p.removeFile(QStringLiteral("bg.kvi"));
    p.start();
    p.page().ensureBuilt();
    QTest::mouseClick(p.page().Command28, Qt::LeftButton);
    EXPECT_EQ(p.file(QStringLiteral("bg.kvi")), QByteArray());
}

// A bitmap folder on a mount that does not answer: the window goes on, and a page that is
// gone when the listing comes back is safe.
TEST(WallpaperPage, AListingThatHangsHoldsNeitherTheWindowNorAPageGoneMeanwhile) {
    OnWallpaper p;
    std::atomic<bool> hold{true};
    p.platform.whileListing = [&](const QString&) {
        while (hold)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    };
    p.Harness::start();
    p.page().ensureBuilt();
    EXPECT_EQ(p.page().Label7->text(), p.pictures);
    EXPECT_TRUE(p.page().listingPending());
    EXPECT_EQ(p.page().File1->count(), 0);
    p.form2().Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    hold = false;
    ASSERT_TRUE(aside::waitForAll(PollDeadlineMs));
    QTest::qWait(50);
    EXPECT_TRUE(p.listingArrived()) << "the function screen loaded again lists afresh";
    p.page().ensureBuilt();
    EXPECT_EQ(p.listed(), (QStringList{QStringLiteral("Red.BMP"), QStringLiteral("damaged.bmp")}));
}

// A header's size is believed only up to 16384 pixels a side: beyond, the file is no
// picture, refused before anything is decoded.
TEST(WallpaperPage, AnOversizedBitmapHeaderIsRefusedBeforeDecodingAndCostsNoMemory) {
    OnWallpaper p;
    p.start();
    p.showPage();
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    QByteArray bitmap = hostile::readAll(p.picture(QStringLiteral("Red.BMP")));
    const QString path = p.picture(QStringLiteral("Red.BMP"));
    for (const QSize claim : {QSize(60000, 60000), QSize(16385, 1), QSize(1, 16385)}) {
        qToLittleEndian<qint32>(claim.width(), bitmap.data() + 18);
        qToLittleEndian<qint32>(claim.height(), bitmap.data() + 22);
        hostile::writeAll(path, bitmap);
        EXPECT_FALSE(picturefile::Picture(path).ok()) << claim.width() << 'x' << claim.height();
        p.click(QStringLiteral("Red.BMP"));
        EXPECT_TRUE(p.page().Pic->pixmap().isNull());
    }
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "KiB more at the peak";
}

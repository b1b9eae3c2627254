#include "ui/Dialogs.h"
#include "ui/JapaneseFileList.h"
#include "ui/Phrases.h"

#include <QAbstractProxyModel>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Polls until done() holds or the deadline passes; false at the deadline.
bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

QStringList linesAt(const QString& text, int characters) {
    QFont face(QStringLiteral("IPAGothic"));
    face.setPixelSize(10);
    const QFontMetrics metrics(face);
    return phrases::lines(text, metrics, characters * metrics.horizontalAdvance(u'あ'));
}

} // namespace

TEST(JapaneseText, CaptionsBreakBetweenPhrasesNeverInsideAWord) {
    EXPECT_EQ(phrases::split(QStringLiteral("壁紙・解像度")),
              (QStringList{QStringLiteral("壁紙・"), QStringLiteral("解像度")}));
    EXPECT_EQ(phrases::split(QStringLiteral("サウンドのパス")),
              (QStringList{QStringLiteral("サウンドの"), QStringLiteral("パス")}));
    EXPECT_EQ(phrases::split(QStringLiteral("インポート")),
              QStringList{QStringLiteral("インポート")});
    // A polite prefix goes with the word it stands before.
    EXPECT_EQ(phrases::split(QStringLiteral("単位にご注意ください。")),
              (QStringList{QStringLiteral("単位に"), QStringLiteral("ご注意ください。")}));
    EXPECT_EQ(phrases::split(QStringLiteral("バージョンをお知らせ")),
              (QStringList{QStringLiteral("バージョンを"), QStringLiteral("お知らせ")}));
    const struct {
        const char* text;
        int characters;
        QStringList lines;
    } cases[] = {
        {"壁紙・解像度", 4, {QStringLiteral("壁紙・"), QStringLiteral("解像度")}},
        {"アラーム設定のインポート",
         8,
         {QStringLiteral("アラーム設定の"), QStringLiteral("インポート")}},
        {"機能画面を閉じる", 4, {QStringLiteral("機能画面を"), QStringLiteral("閉じる")}},
        {"サウンド設定の保存", 7, {QStringLiteral("サウンド設定の"), QStringLiteral("保存")}},
        {"アラーム設定", 4, {QStringLiteral("アラーム"), QStringLiteral("設定")}},
        {"「秒」は表示しない", 5, {QStringLiteral("「秒」は"), QStringLiteral("表示しない")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(linesAt(QString::fromUtf8(c.text), c.characters), c.lines) << c.text;
}

// Qt wraps a long message anywhere, which left "た。" alone on the last line.
TEST(JapaneseText, AMessageLineTheScreenCanHoldIsNotWrapped) {
    const QString text = QStringLiteral(
        "データファイル「fot.kvi」が見つからないか壊れていたため、初期設定で作り直しました。"
        "\n元のファイルは「fot.kvi.bak」として残しました。");
    QMessageBox box(QMessageBox::Warning, QStringLiteral("t"), text);
    phrases::giveRoom(box);
    box.show();
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    const int longest = label->fontMetrics().horizontalAdvance(text.section(u'\n', 0, 0));
    if (longest > box.screen()->availableGeometry().width() * 60 / 100)
        GTEST_SKIP() << "the screen is too narrow for the line";
    EXPECT_GE(label->width(), longest);
    box.hide();
}

TEST(JapaneseText, TheFileDialogListsFoldersAndDatesInJapanese) {
    ASSERT_EQ(QLocale().language(), QLocale::Japanese);
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("sounds"));
    QFileDialog dialog(nullptr, QStringLiteral("t"), folder.path());
    showFilesInJapanese(dialog);
    QAbstractProxyModel* list = dialog.proxyModel();
    ASSERT_NE(list, nullptr);
    auto* files = qobject_cast<QFileSystemModel*>(list->sourceModel());
    ASSERT_NE(files, nullptr);
    const QString sounds = folder.filePath(QStringLiteral("sounds"));
    ASSERT_TRUE(waitFor([&] { return files->index(sounds).isValid(); }));
    const QModelIndex row = list->mapFromSource(files->index(sounds));
    EXPECT_EQ(list->index(row.row(), 2, row.parent()).data().toString(),
              QStringLiteral("フォルダー"));
    const QString date = list->index(row.row(), 3, row.parent()).data().toString();
    EXPECT_EQ(date, QLocale(QLocale::Japanese)
                        .toString(files->lastModified(files->index(sounds)), QLocale::ShortFormat));
    EXPECT_FALSE(date.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))));
}

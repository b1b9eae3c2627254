// The file search page against real temporary folders: what is listed, what is counted,
// and what the property lines say of a clicked file.
#include "functionscreen/SearchPage.h"
#include "Harness.h"
#include "Polling.h"
#include "ui/Colours.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString Dash = QStringLiteral("-");
const QString Unknown = QStringLiteral("(不明)");
const QColor Grey(224, 224, 224);
const QColor Black(0, 0, 0);

// A socket file bound at path; closed again at the end of the test.
struct BoundSocket {
    explicit BoundSocket(const QString& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::copy_n(name.constData(), std::min<qsizetype>(name.size(), sizeof address.sun_path - 1),
                    address.sun_path);
        bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~BoundSocket() { close(fd); }
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    bool bound = false;
};

struct OnSearchPage : Harness {
    OnSearchPage() {
        start();
        form1().kvDir->trigger();
    }
    SearchPage& page() { return *form2().Picture6; }

    // A file of size bytes in the search folder.
    QString make(const QString& name, qsizetype size = 0) {
        QFile file(files.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'x'));
        return file.fileName();
    }
    void search(const QString& pattern, const QString& folder) {
        page().Text4->setText(pattern);
        page().Text5->setText(folder);
        QTest::mouseClick(page().Command16, Qt::LeftButton);
    }
    QStringList listed() {
        QStringList names;
        const QAbstractItemModel* model = page().List2->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        names.sort();
        return names;
    }
    QString count() { return page().Label67->text(); }
    void clickHit(const QString& name) {
        const QAbstractItemModel* model = page().List2->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == name) {
                page().List2->setCurrentIndex(model->index(row, 0));
                return;
            }
        }
        ADD_FAILURE() << "not listed: " << name.toStdString();
    }
    QStringList lines() {
        QStringList texts{page().Label64->text()};
        for (QLabel* line : page().Label66)
            texts << line->text();
        return texts;
    }
    QList<QColor> attributes() {
        QList<QColor> colours;
        for (QLabel* label : page().Label70)
            colours << colours::text(label);
        return colours;
    }
    void expectReset() {
        EXPECT_EQ(lines(), QStringList(5, Dash));
        EXPECT_EQ(attributes(), QList<QColor>(5, Grey));
    }

    QTemporaryDir files;
};

} // namespace

TEST(SearchPage, ControlsSitAtTheirPlacesWithTheirCaptions) {
    OnSearchPage p;
    SearchPage& page = p.page();
    EXPECT_TRUE(page.isVisible());
    for (QWidget* control : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    EXPECT_EQ(page.Command15->text(), QStringLiteral("参  照"));
    EXPECT_EQ(page.Command16->text(), QStringLiteral("検索開始"));
    EXPECT_EQ(page.Check5->text(), QStringLiteral("隠しファイルも検索する"));
    EXPECT_FALSE(page.Check5->isChecked());
    EXPECT_EQ(page.Label67->text(), QStringLiteral("ヒット数"));
    EXPECT_EQ(page.Frame1->title(), QStringLiteral("プロパティ"));
    EXPECT_EQ(page.Command15->geometry(), QRect(352, 64, 57, 19));
    EXPECT_EQ(page.List2->geometry(), QRect(8, 128, 185, 147));
    EXPECT_EQ(page.Frame1->geometry(), QRect(200, 120, 209, 153));
    EXPECT_EQ(page.Label70[3]->text(), QStringLiteral("アーカイブ"));
    EXPECT_EQ(page.Label70[3]->pos(), QPoint(136, 101));
    p.expectReset();
}

TEST(SearchPage, TheFileTypeListPutsOnlyThePatternIntoTheBox) {
    OnSearchPage p;
    QComboBox* combo = p.page().Combo1;
    ASSERT_EQ(combo->count(), 14);
    EXPECT_EQ(combo->currentText(), QStringLiteral("ファイル属性"));
    EXPECT_EQ(combo->itemText(0), QStringLiteral("*.*  (全て)"));
    EXPECT_EQ(combo->itemText(6), QStringLiteral("*.wav(サウンド)"));
    EXPECT_EQ(combo->itemText(13), QStringLiteral("*.html（htmlファイル）"));
    const std::pair<int, const char*> picks[] = {
        {0, "*.*"}, {6, "*.wav"}, {7, "*.mid"}, {13, "*.html"}};
    for (auto [index, pattern] : picks) {
        combo->activated(index);
        EXPECT_EQ(p.page().Text4->text(), QString::fromUtf8(pattern));
    }
    QTest::keyClicks(combo, QStringLiteral("abc"));
    EXPECT_EQ(p.page().Text4->text(), QStringLiteral("*.html")) << "typing picks nothing";
    EXPECT_EQ(p.count(), QStringLiteral("ヒット数")) << "nor does picking search";
}

TEST(SearchPage, HiddenFilesOnlyWhenAskedAndNeverFoldersPipesOrSockets) {
    OnSearchPage p;
    p.make(QStringLiteral("a.txt"));
    p.make(QStringLiteral("README"));
    p.make(QStringLiteral(".hidden.txt"));
    ASSERT_TRUE(QDir(p.files.path()).mkdir(QStringLiteral("sub.txt")));
    ASSERT_EQ(mkfifo(QFile::encodeName(p.files.filePath(QStringLiteral("pipe.txt"))), 0600), 0);
    const BoundSocket socket(p.files.filePath(QStringLiteral("sock.txt")));
    ASSERT_TRUE(socket.bound);
    ASSERT_TRUE(QFile::link(p.files.filePath(QStringLiteral("a.txt")),
                            p.files.filePath(QStringLiteral("link.txt"))));

    p.search({}, p.files.path());
    EXPECT_EQ(p.listed(), (QStringList{QStringLiteral("README"), QStringLiteral("a.txt"),
                                       QStringLiteral("link.txt")}))
        << "an empty pattern is *.*, which also takes a name without a dot";
    EXPECT_EQ(p.count(), QStringLiteral("3 個のヒット"));

    p.page().Check5->setChecked(true);
    p.search(QStringLiteral("*.TXT"), p.files.path());
    EXPECT_EQ(p.listed(), (QStringList{QStringLiteral(".hidden.txt"), QStringLiteral("a.txt"),
                                       QStringLiteral("link.txt")}));
    EXPECT_EQ(p.count(), QStringLiteral("3 個のヒット"));

    p.search(QStringLiteral("?.txt"), p.files.path());
    EXPECT_EQ(p.listed(), QStringList{QStringLiteral("a.txt")});
    p.search(QStringLiteral("readme"), p.files.path());
    EXPECT_EQ(p.listed(), QStringList{QStringLiteral("README")});
    p.search(QStringLiteral("*.bmp"), p.files.path());
    EXPECT_EQ(p.listed(), QStringList{});
    EXPECT_EQ(p.count(), QStringLiteral("0 個のヒット"));
    p.search(QStringLiteral("*.*"), p.files.filePath(QStringLiteral("missing")));
    EXPECT_EQ(p.count(), QStringLiteral("0 個のヒット"));
}

TEST(SearchPage, ANameWithoutWildcardsIsOneFileEvenWhereCaseTellsTwoApart) {
    OnSearchPage p;
    p.make(QStringLiteral("Notes.txt"));
    p.make(QStringLiteral("notes.txt"));
    p.search(QStringLiteral("notes.txt"), p.files.path());
    EXPECT_EQ(p.listed(), QStringList{QStringLiteral("notes.txt")});
    EXPECT_EQ(p.count(), QStringLiteral("1 個のヒット"));
}

TEST(SearchPage, TheFolderBoxGainsOneSeparatorAndTheRootKeepsItsOwn) {
    OnSearchPage p;
    p.make(QStringLiteral("a.txt"));
    p.search(QStringLiteral("a.txt"), p.files.path());
    EXPECT_EQ(p.page().Text5->text(), p.files.path() + u'/');
    EXPECT_EQ(p.count(), QStringLiteral("1 個のヒット"));
    p.search(QStringLiteral("a.txt"), p.files.path() + u'/');
    EXPECT_EQ(p.page().Text5->text(), p.files.path() + u'/');
    EXPECT_EQ(p.count(), QStringLiteral("1 個のヒット"));
    p.search(QStringLiteral("no-such-file"), QStringLiteral("/"));
    EXPECT_EQ(p.page().Text5->text(), QStringLiteral("/"));
    EXPECT_EQ(p.count(), QStringLiteral("0 個のヒット"));
}

TEST(SearchPage, AnEmptyFolderBoxIsRefusedYetResetsTheProperties) {
    OnSearchPage p;
    p.make(QStringLiteral("a.txt"), 10);
    p.search(QStringLiteral("*.txt"), p.files.path());
    p.clickHit(QStringLiteral("a.txt"));
    ASSERT_EQ(p.page().Label64->text(), QStringLiteral("a.txt"));

    dialogs::script::push(dialogs::Answer::Ok);
    p.search(QStringLiteral("*.txt"), {});
    EXPECT_EQ(dialogs::script::shown().constLast().text,
              QStringLiteral("検索場所を指定してください。"));
    EXPECT_EQ(dialogs::script::shown().constLast().style, dialogs::Style::Ok);
    EXPECT_EQ(p.listed(), QStringList{QStringLiteral("a.txt")}) << "the list is kept";
    EXPECT_EQ(p.count(), QStringLiteral("1 個のヒット"));
    p.expectReset();
}

TEST(SearchPage, AClickedHitShowsItsTimesSizeAndAttributes) {
    OnSearchPage p;
    const QString path = p.make(QStringLiteral(".Locked.txt"), 1536);
    const QDateTime modified(QDate(2002, 6, 15), QTime(13, 45, 20));
    const QDateTime accessed(QDate(2002, 6, 16), QTime(0, 0));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
        ASSERT_TRUE(file.setFileTime(accessed, QFileDevice::FileAccessTime));
    }
    ASSERT_EQ(chmod(QFile::encodeName(path), 0444), 0);
    p.page().Check5->setChecked(true);
    p.search(QStringLiteral("*.txt"), p.files.path());
    p.clickHit(QStringLiteral(".Locked.txt"));

    const QStringList lines = p.lines();
    EXPECT_EQ(lines[0], QStringLiteral(".Locked.txt"));
    EXPECT_TRUE(lines[1] == Unknown || lines[1].startsWith(QStringLiteral("20")))
        << "the birth time, where the file system keeps one: " << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("2002/06/15 13:45:20"));
    EXPECT_EQ(lines[3], QStringLiteral("2002/06/16")) << "midnight shows the date alone";
    EXPECT_EQ(lines[4], QStringLiteral("1.5KB"));
    EXPECT_EQ(p.attributes(), (QList<QColor>{Black, Black, Grey, Grey, Grey}))
        << "read-only and hidden; Linux keeps no archive bit";
    EXPECT_EQ(p.page().Label70[0]->accessibleDescription(), QStringLiteral("あり"));
    EXPECT_EQ(p.page().Label70[3]->accessibleDescription(), QStringLiteral("なし"));

    QTest::mouseClick(p.page().Command16, Qt::LeftButton);
    p.expectReset();
}

TEST(SearchPage, AHitGoneOrAnEditedFolderBoxGivesUnknownLinesAndNoMessage) {
    OnSearchPage p;
    const QString path = p.make(QStringLiteral("gone.txt"), 51);
    p.make(QStringLiteral("kept.txt"), 1023);
    p.search(QStringLiteral("*.txt"), p.files.path());
    p.clickHit(QStringLiteral("kept.txt"));
    EXPECT_EQ(p.lines()[4], QStringLiteral("1.0KB"));

    ASSERT_TRUE(QFile::remove(path));
    p.clickHit(QStringLiteral("gone.txt"));
    EXPECT_EQ(p.lines(),
              (QStringList{QStringLiteral("gone.txt"), Unknown, Unknown, Unknown, Unknown}));
    EXPECT_EQ(p.attributes(), QList<QColor>(5, Grey));

    p.page().Text5->setText(p.files.path());
    p.clickHit(QStringLiteral("kept.txt"));
    EXPECT_EQ(p.lines(),
              (QStringList{QStringLiteral("kept.txt"), Unknown, Unknown, Unknown, Unknown}))
        << "the folder box lost its final separator";
    EXPECT_TRUE(dialogs::script::shown().isEmpty());
}

TEST(SearchPage, FortyThousandHitsAreAllListedAndCounted) {
    OnSearchPage p;
    constexpr int Files = 40000;
    for (int i = 0; i < Files; ++i)
        QFile(p.files.filePath(QStringLiteral("f%1.dat").arg(i))).open(QIODevice::WriteOnly);
    p.search(QStringLiteral("*.dat"), p.files.path());
    EXPECT_EQ(p.page().List2->model()->rowCount(), Files);
    EXPECT_EQ(p.count(), QStringLiteral("40000 個のヒット"));
    EXPECT_TRUE(p.page().List2->uniformItemSizes());
}

TEST(SearchPage, TheFolderBrowserStartsAtHomeAndCancelChangesNothing) {
    OnSearchPage p;
    p.page().Text5->setText(QStringLiteral("/kept"));
    dialogs::script::push(dialogs::script::Cancel{});
    QTest::mouseClick(p.page().Command15, Qt::LeftButton);
    EXPECT_EQ(dialogs::script::shown().constLast().kind, QStringLiteral("folder"));
    EXPECT_EQ(dialogs::script::shown().constLast().text, QDir::homePath());
    EXPECT_EQ(p.page().Text5->text(), QStringLiteral("/kept"));

    dialogs::script::push(p.files.path());
    QTest::mouseClick(p.page().Command15, Qt::LeftButton);
    EXPECT_EQ(p.page().Text5->text(), p.files.path());
}

TEST(SearchPage, TheFileTypePopupOffersItsRowsOnlyWhileOpen) {
    OnSearchPage p;
    QComboBox* combo = p.page().Combo1;
    EXPECT_TRUE(combo->view()->size().isEmpty()) << "closed: no row lies inside the list";
    combo->showPopup();
    ASSERT_TRUE(eventually([&] { return combo->view()->isVisible(); }, "the popup"));
    EXPECT_GT(combo->view()->height(), 0);
    EXPECT_TRUE(combo->view()->visualRect(combo->model()->index(13, 0)).isValid());
    combo->hidePopup();
    ASSERT_TRUE(eventually([&] { return !combo->view()->isVisible(); }, "the popup closed"));
    EXPECT_TRUE(combo->view()->size().isEmpty());
}

// The page makes its controls when first needed: used before it ever showed, it still
// searches, and once shown every control is seen.
TEST(SearchPage, APageNotYetShownStillSearchesAndShowsAllItsControlsLater) {
    Harness h;
    h.start();
    QTemporaryDir files;
    QFile(QDir(files.path()).filePath(QStringLiteral("a.txt"))).open(QIODevice::WriteOnly);
    Form2& form2 = h.form2();
    form2.getSearchFiles(files.path() + QStringLiteral("/*.*"));
    SearchPage& page = *form2.Picture6;
    EXPECT_EQ(page.Label67->text(), QStringLiteral("1 個のヒット"));
    EXPECT_EQ(page.Combo1->count(), 14);

    h.form1().kvDir->trigger();
    const QList<QWidget*> controls{page.Text4, page.Combo1, page.Text5,
                                   page.List2, page.Frame1, page.Label64};
    for (QWidget* control : controls)
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
}

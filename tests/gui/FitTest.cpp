// Every text of every window, filled with long names, shows whole inside its control, or is
// elided with all of it in the tooltip. Registered twice: at scale 1 and at QT_SCALE_FACTOR=2.
#include "Harness.h"
#include "Polling.h"
#include "functionscreen/PageButton.h"
#include "functionscreen/SearchPage.h"
#include "launcher/Form4.h"
#include "launcher/Form5.h"
#include "launcher/Form6.h"
#include "launcher/Launcher.h"
#include "ui/FittingLabel.h"
#include "ui/PhraseLabel.h"
#include "ui/Phrases.h"
#include "ui/WrapButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString LongName =
    QStringLiteral("とても長いファイルの名前・二〇二六年十二月の報告書の最終版.txt");
const QString LongPath =
    QStringLiteral("/usr/local/share/applications/very/deep/folder/a-program-with-a-long-name");
constexpr int Hits = 33000;
// Room a push button's frame takes on each side.
constexpr int ButtonFrame = 3;

QString where(const QWidget* widget) {
    QStringList names;
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget())
        names.prepend(w->objectName());
    return names.join(u'/');
}

struct Walk {
    QStringList faults;
    QString situation;

    void fault(const QWidget* widget, const QString& why, const QString& text) {
        faults << QStringLiteral("%1: %2 %3 \"%4\"").arg(situation, where(widget), why, text);
    }

    // The band from the top of a line of text to its baseline, where a control laid over
    // it hides the text.
    static QRect textBand(const QLabel* label, int width) {
        const QFontMetrics metrics = label->fontMetrics();
        const QRect box = label->contentsRect();
        const QRect line =
            QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                QSize(qMin(width, box.width()), metrics.height()), box);
        return QRect(line.topLeft(), QSize(line.width(), metrics.ascent()))
            .translated(label->pos());
    }

    void covered(const QLabel* label, int width) {
        const QRect band = textBand(label, width);
        edges(label, band);
        const QObjectList& siblings = label->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings[i]);
            if (above && !above->isWindow() && above->isVisibleTo(label->window()) &&
                above->geometry().intersects(band))
                fault(label, QStringLiteral("lies under ") + above->objectName(), label->text());
        }
    }

    void label(QLabel* label) {
        const QString text = label->text();
        if (text.isEmpty() || !label->pixmap().isNull() || Qt::mightBeRichText(text))
            return;
        const int room = label->contentsRect().width();
        int width = 0;
        if (auto* fitting = qobject_cast<FittingLabel*>(label)) {
            const FittingLabel::Fit fit = fitting->fitted();
            width = QFontMetrics(fit.font).horizontalAdvance(fit.text);
            if (fit.text != text && label->toolTip() != text)
                fault(label, QStringLiteral("is elided without its whole text as tooltip"), text);
        } else if (label->wordWrap()) {
            fault(label, QStringLiteral("wraps inside words"), text);
        } else if (qobject_cast<PhraseLabel*>(label)) {
            const QStringList lines = phrases::lines(text, label->fontMetrics(), room);
            if (lines.size() * label->fontMetrics().height() > label->contentsRect().height())
                fault(label, QStringLiteral("has more lines than room"), text);
            return;
        } else {
            for (const QString& line : text.split(u'\n'))
                width = qMax(width, label->fontMetrics().horizontalAdvance(line));
        }
        if (width > room)
            fault(label, QStringLiteral("is cut off"), text);
        covered(label, width);
    }

    void button(QAbstractButton* button) {
        const QString text = QString(button->text()).remove(u'&');
        if (text.isEmpty())
            return;
        const QFontMetrics metrics = button->fontMetrics();
        if (qobject_cast<WrapButton*>(button) || qobject_cast<PageButton*>(button)) {
            const QStringList lines =
                phrases::lines(text, metrics, button->width() - 2 * ButtonFrame);
            if (lines.size() * metrics.height() > button->height() - 2 * ButtonFrame)
                fault(button, QStringLiteral("has more lines than room"), text);
            return;
        }
        int room = button->width() - 2 * ButtonFrame;
        if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
            room = button->width() - button->style()->pixelMetric(QStyle::PM_IndicatorWidth) -
                   button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        if (metrics.horizontalAdvance(text) > room)
            fault(button, QStringLiteral("is cut off"), text);
        edges(button, button->geometry());
    }

    // An edit box scrolls to what is typed; one that cannot be typed in must show it all.
    void edit(QLineEdit* edit) {
        edges(edit, edit->geometry());
        const int width = edit->fontMetrics().horizontalAdvance(edit->text());
        if (edit->isReadOnly() && width > edit->contentsRect().width() &&
            edit->toolTip() != edit->text())
            fault(edit, QStringLiteral("is cut off"), edit->text());
    }

    void tabs(QTabBar* bar) {
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab = bar->tabRect(i);
            if (!bar->rect().contains(tab))
                fault(bar, QStringLiteral("pushes a tab out"), bar->tabText(i));
            if (bar->fontMetrics().horizontalAdvance(bar->tabText(i)) > tab.width() &&
                bar->tabToolTip(i) != bar->tabText(i))
                fault(bar, QStringLiteral("elides a tab without a tooltip"), bar->tabText(i));
        }
    }

    // Text that an edge of its parent, or a frame's border, cuts through; text wholly
    // outside is not seen at all.
    void edges(const QWidget* control, const QRect& drawn) {
        const QWidget* parent = control->parentWidget();
        const QRect inside =
            qobject_cast<const QGroupBox*>(parent) ? parent->contentsRect() : parent->rect();
        if (parent->rect().intersects(drawn) && !inside.contains(drawn))
            fault(control, QStringLiteral("is cut by the edge of ") + parent->objectName(), {});
    }

    void window(QWidget* window, const QString& name) {
        situation = name;
        // A fitting label decides on elision and its tooltip as it paints.
        window->grab();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->isWindow() || !control->isVisibleTo(window))
                continue;
            if (auto* l = qobject_cast<QLabel*>(control))
                label(l);
            else if (auto* b = qobject_cast<QAbstractButton*>(control))
                button(b);
            else if (auto* e = qobject_cast<QLineEdit*>(control))
                edit(e);
            else if (auto* t = qobject_cast<QTabBar*>(control))
                tabs(t);
        }
    }
};

QByteArray longFolders() {
    QStringList lines;
    for (int k = 1; k <= 5; ++k)
        lines << QStringLiteral("\"とても長い名前のフォルダ・仕事用のプログラム一式%1\"").arg(k);
    return cp932Lines(lines);
}

QByteArray longShortcuts() {
    QStringList lines(30,
                      QStringLiteral("\"%1\",\"とても長いショートカットの名前・時計のプログラム\"")
                          .arg(LongPath));
    return cp932Lines(lines);
}

void fillLongNames(Harness& h, const QString& folder) {
    h.setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    h.setFile(QStringLiteral("Fold.kvi"), longFolders());
    h.setFile(QStringLiteral("Shtcut.kvi"), longShortcuts());
    h.platform.computer = QString(63, u'w');
    h.platform.user = QStringLiteral("とても長い利用者の名前・管理者");
    h.platform.version.notes = QStringLiteral("Debian GNU/Linux 12 (bookworm) 長い備考");
    const QString drive = QStringLiteral("/media/user/とても長い名前のUSBメモリ");
    h.platform.driveRoots = {drive};
    h.platform.diskSpace[drive] = {0, 270549120000ULL, 252270000000ULL};
    h.platform.driveTypes[drive] = DriveType::Removable;
    QList<DirectoryEntry> entries{{LongName}};
    for (int i = 1; i < Hits; ++i)
        entries.append({QStringLiteral("f%1.dat").arg(i)});
    h.platform.folders[folder] = entries;
    h.platform.memory = {1ULL << 40, 1ULL << 39};
}

} // namespace

TEST(Fit, EveryTextOfEveryWindowShowsWholeOrElidedWithItsTooltip) {
    Harness h;
    const QString folder = h.folder.filePath(QStringLiteral("hits/"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile file(folder + LongName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    fillLongNames(h, folder);
    Form1& form1 = h.start();
    Walk walk;
    Form2& form2 = h.form2();
    for (const auto& [page, name] : {std::pair{Form2::PageId::System, "System"},
                                     {Form2::PageId::Drives, "Drives"},
                                     {Form2::PageId::Wallpaper, "Wallpaper"},
                                     {Form2::PageId::Alarm, "Alarm"},
                                     {Form2::PageId::Search, "Search"},
                                     {Form2::PageId::Settings, "Settings"},
                                     {Form2::PageId::Product, "Product"}}) {
        form2.bringToFront(page);
        form2.showPage();
        if (page == Form2::PageId::Search) {
            SearchPage& search = *form2.Picture6;
            search.Text5->setText(folder);
            QTest::mouseClick(search.Command16, Qt::LeftButton);
            search.List2->setCurrentIndex(search.List2->model()->index(0, 0));
        }
        walk.window(&form2, QString::fromLatin1(name));
    }
    QTest::mouseClick(form2.findChild<QPushButton*>(QStringLiteral("Command25")), Qt::LeftButton);
    walk.window(&form2, QStringLiteral("Product, product panel"));
    for (int mode : {0, 2, 1}) {
        form1.applySizeMode(Variant::number(mode));
        walk.window(&form1, QStringLiteral("Clock, size mode %1").arg(mode));
    }
    form1.kvLunc->trigger();
    ASSERT_TRUE(eventually([&] { return form1.launcher().form4(); }, "the launcher"));
    Form4& launcher = *form1.launcher().form4();
    walk.window(&launcher, QStringLiteral("Launcher"));
    QTest::mouseClick(launcher.Command2[0], Qt::LeftButton);
    walk.window(launcher.editor(), QStringLiteral("Shortcut editor"));
    launcher.editor()->Command3_Click();
    launcher.FolNameX->trigger();
    walk.window(launcher.editor(), QStringLiteral("Folder editor"));
    walk.window(form1.form6(), QStringLiteral("Loading"));
    Form3 logo(0);
    walk.window(&logo, QStringLiteral("Logo"));
    EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join(u'\n').toStdString();
}

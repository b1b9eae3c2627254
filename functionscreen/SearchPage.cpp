#include "SearchPage.h"

#include "Form2.h"
#include "core/FileFigures.h"
#include "core/Wildcard.h"
#include "platform/Platform.h"
#include "ui/Colours.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/FittingLabel.h"
#include "ui/Twips.h"
#include "ui/WrapButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScopedValueRollback>
#include <QStringListModel>

namespace {

const QString FileTypePrompt = QStringLiteral("ファイル属性");
const QString NoFolderMessage = QStringLiteral("検索場所を指定してください。");
const QString HitsSuffix = QStringLiteral(" 個のヒット");
const QString HitsHeading = QStringLiteral("ヒット数");
const QString PropertiesTitle = QStringLiteral("プロパティ");
const QString AllFiles = QStringLiteral("*.*");
const QString Unset = QStringLiteral("-");
const QString Unknown = QStringLiteral("(不明)");
const QString Has = QStringLiteral("あり");
const QString HasNot = QStringLiteral("なし");
constexpr QChar Separator = u'/';
const QColor AttributeOn(0, 0, 0);
const QColor AttributeOff(224, 224, 224);
// The frame's border runs through the middle of its title, as the design draws its frames:
// a title above the border would push the border onto the first row of values.
const QString FrameStyle =
    QStringLiteral("QGroupBox#Frame1 { border: 1px solid palette(mid); margin-top: 0.5em; }"
                   "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 6px; padding: 0 2px;"
                   " background-color: palette(window); }");

const QStringList FileTypes = {
    QStringLiteral("*.*  (全て)"),          QStringLiteral("*.txt (テキスト)"),
    QStringLiteral("*.bmp (ビットマップ)"), QStringLiteral("*.jpg (JPG画像)"),
    QStringLiteral("*.gif (GIF画像)"),      QStringLiteral("*.ico (アイコン)"),
    QStringLiteral("*.wav(サウンド)"),      QStringLiteral("*.mid (MIDI)"),
    QStringLiteral("*.mp3 (MP3)"),          QStringLiteral("*.avi (ムービー)"),
    QStringLiteral("*.mpg (MPEG)"),         QStringLiteral("*.mov (MOVムービー)"),
    QStringLiteral("*.exe (実行ファイル)"), QStringLiteral("*.html（htmlファイル）"),
};

struct Heading {
    const char* name;
    const char* text;
    int left, top;
};
struct Place {
    const char* name;
    int left, top, width, height;
};

// Headings in the frame sit at their design places with the height of a line.
constexpr int HeadingWidth = 900;
constexpr int LineHeight = 180;
constexpr int AttributeWidth = 1215;
const Heading PropertyHeadings[] = {
    {"Label65", "ファイル名", 120, 240}, {"Label63", "作成日時", 120, 435},
    {"Label62", "更新日時", 120, 675},   {"Label61", "アクセス日", 120, 915},
    {"Label60", "サイズ", 120, 1155},    {"Label59", "属 性", 120, 1515},
};
constexpr Place NamePlace{"Label64", 1080, 240, 1890, 180};
constexpr Place ValuePlaces[] = {
    {"Label66", 1080, 435, 1845, 180},
    {"Label66", 1080, 675, 1965, 180},
    {"Label66", 1080, 915, 1965, 180},
    {"Label66", 1080, 1155, 1845, 180},
};
const Heading Attributes[] = {
    {"Label70", "読み取り専用", 720, 1515}, {"Label70", "隠しファイル", 720, 1760},
    {"Label70", "システム", 720, 1995},     {"Label70", "アーカイブ", 2040, 1520},
    {"Label70", "圧縮", 2040, 1995},
};

// Qt tells a screen reader that the rows of a list are showing wherever they lie inside the
// list's own rectangle, also while the combo box's popup is closed; a closed popup's list
// is therefore kept at no size.
class ClosedPopupRows : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            static_cast<QWidget*>(watched)->resize(0, 0);
        return false;
    }
};

// The edit part of the file-type list. What is typed there stays there: the list acts on an
// entry chosen from it, never on typed text that happens to name one.
class TypingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool typing() const { return typing_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QScopedValueRollback<bool> during(typing_, true);
        QLineEdit::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        const QScopedValueRollback<bool> during(typing_, true);
        QLineEdit::focusOutEvent(event);
    }

private:
    bool typing_ = false;
};

// An entry's pattern: its text up to the first blank or bracket.
QString patternOf(const QString& entry) {
    qsizetype end = 0;
    while (end < entry.size() && entry[end] != u' ' && entry[end] != u'(' && entry[end] != u'（')
        ++end;
    return entry.left(end);
}

void showAttribute(QLabel* label, bool has) {
    colours::setText(label, has ? AttributeOn : AttributeOff);
    label->setAccessibleDescription(has ? Has : HasNot);
}

QString timeText(const std::optional<QDateTime>& when) {
    return when ? filefigures::dateTime(*when) : Unknown;
}

} // namespace

SearchPage::SearchPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture6"), Page::TopTwips, parent)
    , form2_(form2) {}

void SearchPage::build() {
    createSearchControls();
    createPropertyControls();
    connectControls();
    fillFileTypes();
    Frame1->setTitle(PropertiesTitle);
}

void SearchPage::createSearchControls() {
    using twips::rect;
    Label55 = place(new QLabel(QStringLiteral("検索ファイル"), this), "Label55",
                    rect(120, 120, 1350, 225));
    Text4 = place(new QLineEdit(this), "Text4", rect(120, 360, 2415, 270));
    Combo1 = place(new QComboBox(this), "Combo1", rect(2640, 360, 2175, 300));
    Combo1->setLineEdit(new TypingEdit);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Completing a typed text would choose an entry for the user.
    Combo1->setCompleter(nullptr);
    Combo1->setAccessibleName(FileTypePrompt);
    Combo1->lineEdit()->setAccessibleName(FileTypePrompt);
    Combo1->view()->installEventFilter(new ClosedPopupRows(Combo1));
    Combo1->view()->resize(0, 0);
    Command16 = place(new WrapButton(QStringLiteral("検索開始"), this), "Command16",
                      rect(4920, 165, 1215, 495));
    Label56 =
        place(new QLabel(QStringLiteral("検索場所"), this), "Label56", rect(120, 720, 900, 225));
    Text5 = place(new QLineEdit(this), "Text5", rect(120, 960, 5055, 270));
    Command15 = place(new QPushButton(QStringLiteral("参  照"), this), "Command15",
                      rect(5280, 960, 855, 290));
    Check5 = place(new QCheckBox(QStringLiteral("隠しファイルも検索する"), this), "Check5",
                   rect(120, 1320, 2535, 180));
    Label57 = place(new QLabel(QStringLiteral("ヒットファイル"), this), "Label57",
                    rect(120, 1680, 1365, 195));
    Label67 = place(new FittingLabel(HitsHeading, this), "Label67", rect(1560, 1725, 1335, 255));
    List2 = place(new QListView(this), "List2", rect(120, 1920, 2775, 2205));
    // One model filled in one step, rows of one height: a folder of 100,000 hits lists at
    // once, with no widget per name.
    hits_ = new QStringListModel(this);
    List2->setModel(hits_);
    List2->setUniformItemSizes(true);
    List2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (auto [heading, control] :
         {std::pair<QLabel*, QWidget*>{Label55, Text4}, {Label56, Text5}, {Label57, List2}}) {
        heading->setBuddy(control);
        control->setAccessibleName(heading->text());
    }
}

void SearchPage::createPropertyControls() {
    using twips::rect;
    Frame1 = place(new QGroupBox(this), "Frame1", rect(3000, 1800, 3135, 2295));
    Frame1->setStyleSheet(FrameStyle);
    Frame1->setAccessibleName(PropertiesTitle);
    for (const Heading& heading : PropertyHeadings)
        place(new QLabel(QString::fromUtf8(heading.text), Frame1), heading.name,
              rect(heading.left, heading.top, HeadingWidth, LineHeight));
    // The value lines narrow their face rather than cut off a long name or time; a name too
    // long even for that is elided, whole in its tooltip.
    Label64 = place(new FittingLabel(Unset, Frame1), NamePlace.name,
                    rect(NamePlace.left, NamePlace.top, NamePlace.width, NamePlace.height));
    for (std::size_t i = 0; i < Label66.size(); ++i) {
        const Place& at = ValuePlaces[i];
        Label66[i] = place(new FittingLabel(Unset, Frame1), at.name,
                           rect(at.left, at.top, at.width, at.height));
        Label66[i]->setProperty("index", int(i));
    }
    // A value line tells a screen reader which value it is.
    Label64->setAccessibleDescription(QString::fromUtf8(PropertyHeadings[0].text));
    for (std::size_t i = 0; i < Label66.size(); ++i)
        Label66[i]->setAccessibleDescription(QString::fromUtf8(PropertyHeadings[i + 1].text));
    for (std::size_t i = 0; i < Label70.size(); ++i) {
        const Heading& at = Attributes[i];
        Label70[i] = place(new QLabel(QString::fromUtf8(at.text), Frame1), at.name,
                           rect(at.left, at.top, AttributeWidth, LineHeight));
        Label70[i]->setProperty("index", int(i));
        showAttribute(Label70[i], false);
    }
}

void SearchPage::connectControls() {
    connect(Combo1, &QComboBox::activated, this, &SearchPage::Combo1_Click);
    connect(Command15, &QPushButton::clicked, this, &SearchPage::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &SearchPage::Command16_Click);
    // Return in the pattern or the folder box searches, as the button does.
    for (QLineEdit* box : {Text4, Text5})
        connect(box, &QLineEdit::returnPressed, this, &SearchPage::Command16_Click);
    // A click, also on the row already current, and a move by key both show a file.
    const auto show = [this](const QModelIndex& index) {
        if (index.isValid())
            List2_Click(index.data().toString());
    };
    connect(List2, &QListView::clicked, this, show);
    connect(List2->selectionModel(), &QItemSelectionModel::currentChanged, this, show);
}

void SearchPage::fillFileTypes() {
    Combo1->clear();
    Combo1->addItems(FileTypes);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(FileTypePrompt);
}

void SearchPage::Combo1_Click(int index) {
    if (static_cast<const TypingEdit*>(Combo1->lineEdit())->typing())
        return;
    if (index >= 0 && index < FileTypes.size())
        Text4->setText(patternOf(FileTypes[index]));
}

void SearchPage::Command15_Click() {
    if (const std::optional<QString> folder = dialogs::chooseFolder(window(), QDir::homePath()))
        Text5->setText(*folder);
}

void SearchPage::Command16_Click() {
    setSearchFiles();
    HY_NoCheck();
}

void SearchPage::setSearchFiles() {
    const QString pattern = Text4->text().isEmpty() ? AllFiles : Text4->text();
    if (Text5->text().isEmpty()) {
        dialogs::message(window(), NoFolderMessage);
        return;
    }
    if (!Text5->text().endsWith(Separator))
        Text5->setText(Text5->text() + Separator);
    getSearchFiles(Text5->text() + pattern);
}

void SearchPage::getSearchFiles(const QString& specification) {
    const qsizetype split = specification.lastIndexOf(Separator) + 1;
    // Every hit is listed and counted: no 16-bit list cuts the result short.
    const QStringList names = hits(specification.left(split), specification.mid(split));
    hits_->setStringList(names);
    Label67->setText(QString::number(names.size()) + HitsSuffix);
}

QStringList SearchPage::hits(const QString& folder, const QString& pattern) const {
    if (folder.isEmpty() || pattern.isEmpty())
        return {};
    const std::optional<QList<DirectoryEntry>> entries =
        form2_.context().platform.listDirectory(folder);
    if (!entries)
        return {};
    const Wildcard wildcard(pattern);
    const bool admitHidden = Check5->isChecked();
    QStringList names;
    for (const DirectoryEntry& entry : *entries) {
        if (entry.directory || entry.system || (entry.hidden && !admitHidden))
            continue;
        if (wildcard.matches(entry.name))
            names.append(entry.name);
    }
    // A name without wildcards is one file, even where case tells two apart: the exact
    // spelling first.
    if (!wildcard.hasWildcards() && names.size() > 1)
        return {names.contains(pattern) ? pattern : names.first()};
    return names;
}

void SearchPage::HY_NoCheck() {
    Label64->setText(Unset);
    for (QLabel* line : Label66)
        line->setText(Unset);
    for (QLabel* attribute : Label70)
        showAttribute(attribute, false);
}

void SearchPage::List2_Click(const QString& name) {
    HY_NoCheck();
    Label64->setText(name);
    const std::optional<FileProperties> file =
        form2_.context().platform.fileProperties(Text5->text() + name);
    if (!file) {
        for (QLabel* line : Label66)
            line->setText(Unknown);
        return;
    }
    Label66[0]->setText(timeText(file->created));
    Label66[1]->setText(timeText(file->modified));
    Label66[2]->setText(timeText(file->accessed));
    Label66[3]->setText(file->size ? filefigures::kilobytes(*file->size) : Unknown);
    const bool has[] = {file->readOnly, file->hidden, file->system, file->archive,
                        file->compressed};
    for (std::size_t i = 0; i < Label70.size(); ++i)
        showAttribute(Label70[i], has[i]);
}

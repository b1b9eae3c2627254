#include "AlarmPage.h"

#include "Form2.h"
#include "core/AlarmTable.h"
#include "core/RecordFormat.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/ListBox.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/WrapButton.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

const QString SoundDialogTitle = QStringLiteral("サウンド設定");
const QString SoundFilter = QStringLiteral("ＷＡＶＥサウンド(*.wav)|*.wav");
const QString ImportTitle = QStringLiteral("アラーム設定　インポート");
const QString ImportFilter =
    QStringLiteral("クロノートファイル (alarmset.kvt)|alarmset.kvt|モルベーンファイル "
                   "(alarmset.kvi)|alarmset.kvi");
const QString NoSoundMessage = QStringLiteral("サウンドが設定されていません。");
const QString SaveQuestion =
    QStringLiteral("よろしいですか？\nデータを変更した場合、元のデータを上書きします。");
const QString SavedMessage = QStringLiteral("保存が終了しました。");
constexpr int PlayIconWidth = 27;
constexpr int PlayIconHeight = 16;

} // namespace

AlarmPage::AlarmPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture4"), Page::TopTwips, parent)
    , form2_(form2) {
    // Every change of the pick counts as a pick of the sound list: the tick's too.
    connect(&picked_, &QItemSelectionModel::selectionChanged, this, &AlarmPage::Com_Click);
}

void AlarmPage::build() {
    QStringList labels;
    for (int slot = 0; slot < alarmtable::SlotCount; ++slot)
        labels << alarmtable::slotLabel(slot);
    slotLabels_.setStringList(labels);
    createControls();
    connectControls();
    const int slot = pickedSlot();
    const QSignalBlocker block(List->selectionModel());
    List->setCurrentRow(slot);
}

void AlarmPage::createControls() {
    using twips::rect;
    Label43 = place(new QLabel(QStringLiteral("時間帯 (24時間)"), this), "Label43",
                    rect(135, 120, 1350, 180));
    List = place(new ListBox(&slotLabels_, this), "List", rect(135, 360, 1920, 2580));
    Label39 = place(new QLabel(QStringLiteral("サウンドのパス"), this), "Label39",
                    rect(2160, 120, 1260, 180));
    Com = place(new ListBox(&table_, this), "Com", rect(2040, 360, 4095, 2580));
    Com->setSelectionModel(&picked_);
    Command8 = place(new WrapButton(QStringLiteral("サウンド設定"), this), "Command8",
                     rect(1440, 3120, 1335, 375));
    Command11 =
        place(new WrapButton(alarmtable::NoSound, this), "Command11", rect(1440, 3600, 1335, 375));
    Label32 = place(new QLabel(QStringLiteral("サウンドテスト"), this), "Label32",
                    rect(120, 3360, 1260, 180));
    Command10 = place(new QPushButton(this), "Command10", rect(255, 3600, 480, 320));
    Command9 = place(new QPushButton(this), "Command9", rect(735, 3600, 480, 320));
    Command7 = place(new WrapButton(QStringLiteral("アラーム設定のインポート"), this), "Command7",
                     rect(2880, 3240, 1455, 495));
    Command12 = place(new WrapButton(QStringLiteral("サウンド設定の保存"), this), "Command12",
                      rect(4440, 3240, 1320, 495));
    // The headings name their lists for a screen reader.
    for (auto [heading, list] : {std::pair{Label43, List}, std::pair{Label39, Com}}) {
        heading->setBuddy(list);
        list->setAccessibleName(heading->text());
    }
    for (auto [button, picture, name] :
         {std::tuple{Command10, "Play", "再生"}, std::tuple{Command9, "Stop", "停止"}}) {
        button->setIcon(pictures::icon(QString::fromLatin1(picture)));
        button->setIconSize({PlayIconWidth, PlayIconHeight});
        button->setToolTip(QString::fromUtf8(name));
        button->setAccessibleName(QString::fromUtf8(name));
    }
}

void AlarmPage::connectControls() {
    // Every change of the selection counts as a pick, also one the program makes, and so
    // does a click or Return on the row already selected. A list that only takes the focus
    // moves its current row without selecting it: that is no pick.
    connect(List->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AlarmPage::List_Click);
    for (auto [list, pick] :
         {std::pair{Com, &AlarmPage::Com_Click}, std::pair{List, &AlarmPage::List_Click}}) {
        connect(list, &ListBox::clicked, this, pick);
        connect(list, &ListBox::activated, this, pick);
    }
    scrollTogether();
    connect(Command8, &QPushButton::clicked, this, &AlarmPage::Command8_Click);
    connect(Command11, &QPushButton::clicked, this, &AlarmPage::Command11_Click);
    connect(Command10, &QPushButton::clicked, this, &AlarmPage::Command10_Click);
    connect(Command9, &QPushButton::clicked, this, &AlarmPage::Command9_Click);
    connect(Command12, &QPushButton::clicked, this, &AlarmPage::Command12_Click);
    connect(Command7, &QPushButton::clicked, this, &AlarmPage::Command7_Click);
}

void AlarmPage::scrollTogether() {
    // One slot is one row of both lists, so they scroll as one: by wheel, bar or key.
    for (auto [from, to] : {std::pair{List, Com}, std::pair{Com, List}})
        connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(),
                &QScrollBar::setValue);
    // A long path gives Com a bar along its bottom; List takes one too, so the rows stay level.
    connect(Com->horizontalScrollBar(), &QScrollBar::rangeChanged, List, [this](int, int most) {
        List->setHorizontalScrollBarPolicy(most > 0 ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAsNeeded);
    });
}

void AlarmPage::loadTable() {
    const QStringList table =
        form2_.context().load<QStringList>(datafile::Alarms, alarmtable::parse);
    const QSignalBlocker block(picked_);
    table_.setStringList(table);
    picked_.clear();
}

QString AlarmPage::pickSlot(int slot) {
    const QModelIndex entry = table_.index(slot);
    picked_.setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    return entry.data().toString();
}

void AlarmPage::setEntry(int slot, const QString& entry) {
    table_.setData(table_.index(slot), entry);
}

void AlarmPage::Com_Click() {
    const int slot = pickedSlot();
    if (slot < 0)
        return;
    if (List)
        List->setCurrentRow(slot);
    form2_.AlmNo = qint16(slot);
}

void AlarmPage::List_Click() {
    if (List->currentRow() < 0)
        return;
    pickSlot(List->currentRow());
    form2_.AlmNo = qint16(List->currentRow());
}

void AlarmPage::Command8_Click() {
    const std::optional<QString> path = dialogs::openFile(this, SoundDialogTitle, SoundFilter);
    const QModelIndex entry = table_.index(form2_.AlmNo);
    if (!path || !entry.isValid())
        return;
    const QString problem = record::textProblem(*path);
    if (!problem.isEmpty()) {
        dialogs::message(this, problem, dialogs::Style::OkExclamation);
        return;
    }
    setEntry(form2_.AlmNo, *path);
}

void AlarmPage::Command11_Click() {
    setEntry(form2_.AlmNo, alarmtable::NoSound);
}

void AlarmPage::Command10_Click() {
    const QString sound = picked_.currentIndex().data().toString();
    if (sound == alarmtable::NoSound)
        dialogs::message(this, NoSoundMessage);
    else
        form2_.context().platform.playSound(sound);
}

void AlarmPage::Command9_Click() {
    form2_.context().platform.stopSound();
}

void AlarmPage::Command12_Click() {
    if (dialogs::message(this, SaveQuestion, dialogs::Style::YesNoStop) != dialogs::Answer::Yes)
        return;
    const bool wasVisible = form2_.isVisible();
    form2_.hide();
    for (int slot = 0; slot < alarmtable::SlotCount; ++slot)
        pickSlot(slot);
    QString problem;
    const auto bytes = alarmtable::write(entries(), &problem);
    const bool saved = form2_.context().save(datafile::Alarms, bytes, problem);
    if (wasVisible)
        form2_.show();
    if (saved)
        dialogs::message(this, SavedMessage);
}

void AlarmPage::Command7_Click() {
    const std::optional<QString> path = dialogs::openFile(this, ImportTitle, ImportFilter);
    if (!path)
        return;
    const QStringList table = alarmtable::import(datafile::readBytes(*path));
    // The import leaves the slot list's row and AlmNo as they were, with no sound picked.
    const QSignalBlocker block(picked_);
    table_.setStringList(table);
    picked_.clear();
}

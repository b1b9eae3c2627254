#include "DrivesPage.h"

#include "Form2.h"
#include "platform/Platform.h"
#include "ui/Colours.h"
#include "ui/Context.h"
#include "ui/PhraseLabel.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>
#include <climits>
#include <cmath>

namespace {

const QString Note = QStringLiteral(
    "1000MB以上は「GB」、1000MB未満は「MB」で表示しています。単位にご注意ください。");
const QString DriveListName = QStringLiteral("ドライブ");
const QString GaugeName = QStringLiteral("空き容量");
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);
const QColor LightGrey(192, 192, 192);
constexpr int HeadingWidth = 900;
constexpr int HeadingHeight = 255;
// The gauge's end labels stand just above the gauge, not half under it.
constexpr int GaugeEndHeight = 255;
constexpr int GaugeTop = 1140;
constexpr int GaugeEndTop = GaugeTop - GaugeEndHeight;
// The gauge counts in hundredths of its figures, as far as an int holds them.
constexpr double GaugeSteps = 100;

QLabel* grey(QLabel* label) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, LightGrey);
    label->setPalette(palette);
    return label;
}

} // namespace

DrivesPage::DrivesPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture2"), Page::TopTwips, parent)
    , form2_(form2) {}

void DrivesPage::build() {
    createControls();
    nameControls();
    showDrives();
    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
}

void DrivesPage::createControls() {
    using twips::rect;
    Drive1 = place(new QComboBox(this), "Drive1", rect(720, 360, 2415, 300));
    // Hidden until the type is known: a reader would announce the placeholder.
    Label33 = place(new QLabel(this), "Label33", rect(3240, 360, 2535, 285));
    Label33->hide();
    Label34 = place(new QLabel(QStringLiteral("0 MB"), this), "Label34",
                    rect(720, GaugeEndTop, 735, GaugeEndHeight));
    Label35 = place(new QLabel(this), "Label35", rect(3360, GaugeEndTop, 2415, GaugeEndHeight));
    Label35->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PB2 = place(new QProgressBar(this), "PB2", rect(720, GaugeTop, 5055, 375));
    PB2->setTextVisible(false);
    Label36 = place(new QLabel(QStringLiteral("総容量"), this), "Label36",
                    rect(1560, 1680, HeadingWidth, HeadingHeight));
    Label40 = place(new QLabel(this), "Label40", rect(2490, 1680, 2340, 300));
    Label37 = place(new QLabel(QStringLiteral("使用容量"), this), "Label37",
                    rect(1320, 2160, HeadingWidth, HeadingHeight));
    Label41 = place(grey(new QLabel(this)), "Label41", rect(2475, 2160, 2340, 300));
    Label38 = place(new QLabel(QStringLiteral("空き容量"), this), "Label38",
                    rect(1320, 2640, HeadingWidth, HeadingHeight));
    Label42 = place(grey(new QLabel(this)), "Label42", rect(2475, 2640, 2340, 300));
    Label74 = place(new PhraseLabel(Note, this), "Label74", rect(600, 3360, 5175, 495));
    for (auto [label, colour] : {std::pair{Label34, Red},
                                 {Label35, Blue},
                                 {Label40, Black},
                                 {Label41, Red},
                                 {Label42, Blue}})
        colours::setText(label, colour);
}

void DrivesPage::nameControls() {
    Drive1->setAccessibleName(DriveListName);
    PB2->setAccessibleName(GaugeName);
    for (auto [heading, value] :
         {std::pair{Label36, Label40}, {Label37, Label41}, {Label38, Label42}})
        value->setAccessibleDescription(heading->text());
}

void DrivesPage::fill() {
    drives_ = form2_.context().platform.drives(form2_.context().data.folder());
    readDrive(drives_.value(0));
    if (isBuilt())
        showDrives();
}

void DrivesPage::Drive1_Change() {
    readDrive(Drive1->currentText());
    showDrive();
}

void DrivesPage::readDrive(const QString& root) {
    Platform& platform = form2_.context().platform;
    if (const std::optional<DriveType> type = platform.driveType(root)) {
        if (std::optional<QString> text = drives::typeText(int(*type)))
            type_ = std::move(text);
    }
    const std::optional<DiskSpace> space =
        root.isEmpty() ? std::nullopt : platform.diskFreeSpace(root);
    capacity_ = space ? drives::capacity(space->total, space->free) : drives::capacity(0, 0);
}

void DrivesPage::showDrives() {
    const QSignalBlocker quiet(Drive1);
    Drive1->clear();
    Drive1->addItems(drives_);
    showDrive();
}

void DrivesPage::showDrive() {
    if (type_)
        showText(Label33, *type_);
    showCapacity();
}

void DrivesPage::showCapacity() {
    Label40->setText(capacity_.total);
    Label41->setText(capacity_.used);
    Label42->setText(capacity_.free);
    Label35->setText(capacity_.gaugeEnd);
    if (!capacity_.gaugeMaximum) {
        PB2->setValue(0);
        return;
    }
    double steps = GaugeSteps;
    while (*capacity_.gaugeMaximum * steps > INT_MAX)
        steps /= 10;
    PB2->setMaximum(int(std::round(*capacity_.gaugeMaximum * steps)));
    PB2->setMinimum(0);
    PB2->setValue(int(std::round(capacity_.gaugeValue * steps)));
}

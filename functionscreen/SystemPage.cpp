#include "SystemPage.h"

#include "Form2.h"
#include "core/MemoryFigures.h"
#include "core/SystemFigures.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/FittingLabel.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int HeadingLeft = 480;
constexpr int PowerLeft = 4080;
constexpr int PowerWidth = 1935;
constexpr int PowerHeight = 375;
const QString UserNameMissing = QStringLiteral("ユーザー名を取得できませんでした。");
const QString SaveWorkFirst = QStringLiteral("作業中のものは保存して終了しておく必要があります。");

struct PowerButton {
    const char* caption;
    int top;
    const char* title;
    const char* question;
    SessionEnd request;
};

// By index; on the page they stand log off, restart, power off from the top.
constexpr PowerButton PowerButtons[] = {
    {"Windowsのログオフ", 2520, "Windpwsのログオフ", "ログオフしますか？", SessionEnd::LogOff},
    {"電源の切れる状態", 3480, "コンピュータのシャットダウン",
     "コンピュータの電源を切れる状態にしますか？", SessionEnd::PowerOff},
    {"再起動", 3000, "コンピュータのシャットダウン", "コンピュータを再起動しますか？",
     SessionEnd::Reboot},
};

} // namespace

SystemPage::SystemPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture1"), Page::TopTwips, parent)
    , form2_(form2) {}

void SystemPage::build() {
    createFigures();
    createMemoryRows();
    createPowerButtons();
    showFigures();
    showMemoryFigures();
}

void SystemPage::createFigures() {
    using twips::rect;
    const auto label = [this](const char* text, const char* name, const QRect& geometry) {
        return place(new FittingLabel(QString::fromUtf8(text), this), name, geometry);
    };
    Label10 = label("コンピュータ名", "Label10", rect(HeadingLeft, 240, 1560, 300));
    Label9 = label("", "Label9", rect(2160, 240, 3120, 300));
    Label28 = label("ユーザー名", "Label28", rect(HeadingLeft, 720, 1560, 300));
    Label26 = label("", "Label26", rect(2160, 720, 3120, 300));
    Label13 = label("現在使用中のＯＳの", "Label13", rect(120, 1620, 1920, 255));
    Label15 = label("バージョン", "Label15", rect(120, 1860, 1020, 255));
    Label14 = label("", "Label14", rect(1200, 1860, 840, 255));
    Label17 = label("BUILD", "Label17", rect(2160, 1860, 540, 255));
    Label16 = label("", "Label16", rect(2760, 1860, 1200, 255));
    Label19 = label("備考", "Label19", rect(4080, 1860, 420, 255));
    Label18 = label("", "Label18", rect(4560, 1860, 1575, 255));
}

void SystemPage::createMemoryRows() {
    using twips::rect;
    Label12 = place(new QLabel(QStringLiteral("総メモリ"), this), "Label12",
                    rect(HeadingLeft, 2520, 1440, 300));
    Label11 = place(new QLabel(QString(), this), "Label11", rect(2055, 2520, 1440, 300));
    Label4 = place(new QLabel(QStringLiteral("使用済みメモリ"), this), "Label4",
                   rect(HeadingLeft, 3000, 1440, 300));
    Label3 = place(new QLabel(QString(), this), "Label3", rect(2040, 3000, 1440, 300));
    Label2 = place(new QLabel(QStringLiteral("空きメモリ"), this), "Label2",
                   rect(HeadingLeft, 3480, 1440, 300));
    Label6 = place(new QLabel(QString(), this), "Label6", rect(2055, 3480, 1440, 300));
}

void SystemPage::createPowerButtons() {
    // Created top to bottom, so that Tab goes down the column as the eye does.
    for (int index : {0, 2, 1}) {
        const PowerButton& spec = PowerButtons[index];
        auto* button = new QPushButton(QString::fromUtf8(spec.caption), this);
        button->setObjectName(QStringLiteral("Command6(%1)").arg(index));
        button->setGeometry(twips::rect(PowerLeft, spec.top, PowerWidth, PowerHeight));
        connect(button, &QPushButton::clicked, this, [this, index] { Command6_Click(index); });
        Command6[std::size_t(index)] = button;
    }
}

void SystemPage::showValue(QLabel* heading, QLabel* value, const QString& text) {
    value->setText(text);
    // A long release name runs past the label: the tooltip has all of it.
    value->setToolTip(text);
    value->setAccessibleName(text.isEmpty() ? heading->text() : heading->text() + u' ' + text);
}

void SystemPage::fill() {
    Platform& platform = form2_.context().platform;
    const OsVersion version = platform.osVersion();
    figures_.version = systemfigures::versionText(version.major, version.minor);
    figures_.build = QString::number(version.build);
    figures_.notes = version.notes;
    figures_.computer = platform.computerName();
    figures_.user = platform.userName().value_or(UserNameMissing);
    if (isBuilt())
        showFigures();
}

void SystemPage::showFigures() {
    showValue(Label15, Label14, figures_.version);
    showValue(Label17, Label16, figures_.build);
    showValue(Label19, Label18, figures_.notes);
    showValue(Label10, Label9, figures_.computer);
    showValue(Label28, Label26, figures_.user);
}

void SystemPage::showMemory(const MeterTexts& texts) {
    memory_ = {texts.aboutTotal, texts.aboutUsed, texts.aboutFree};
    if (isBuilt())
        showMemoryFigures();
}

void SystemPage::showMemoryFigures() {
    Label11->setText(memory_.total);
    Label3->setText(memory_.used);
    Label6->setText(memory_.free);
}

void SystemPage::Command6_Click(int index) {
    const PowerButton& spec = PowerButtons[index];
    const QString text = QString::fromUtf8(spec.question) + u'\n' + SaveWorkFirst;
    if (dialogs::message(this, text, dialogs::Style::OkCancelStopCancelDefault,
                         QString::fromUtf8(spec.title)) != dialogs::Answer::Ok)
        return;
    // One request at a time: the desktop may hold this one behind a password prompt.
    for (QPushButton* button : Command6)
        button->setEnabled(false);
    // Whatever the answer, the program ends: the session or the machine is going away. The
    // page may be unloaded by then, so the answer uses only what lives for the whole run.
    Context& context = form2_.context();
    context.platform.endSession(spec.request, [&context](bool) {
        context.platform.playSound(QString());
        context.endProgram();
    });
}

#include "Form5.h"

#include "Form4.h"
#include "core/RecordFormat.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/FittingLabel.h"
#include "ui/PhraseLabel.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

const QString Caption = QStringLiteral("モルベーン");
constexpr double LargerPoints = 9.75;
constexpr double NamePoints = 14.25;

const QString PathPrompt = QStringLiteral("実行ファイル(exe)を選択してください。");
const QString BrowseCaption = QStringLiteral("参　照");
const QString NamePrompt = QStringLiteral("ショートカット名を設定してください。");
const QString LengthNote = QStringLiteral("テキストボックスの範囲以上のファイル名を設定した場合、"
                                          "後半の文字が表示されませんのでご注意ください。");
const QString DeleteCaption = QStringLiteral("削　除");
const QString ConfirmCaption = QStringLiteral("確　定");
const QString CancelCaption = QStringLiteral("取消 ／ 閉じる");
const QString FolderPrompt = QStringLiteral("フォルダの名前を入力してください。");
const QString PreviewName = QStringLiteral("アイコン");
const QString ShortcutPanelName = QStringLiteral("ショートカットの設定");
const QString FolderPanelName = QStringLiteral("フォルダ名の設定");

const QString BrowseTitle = QStringLiteral("実行ファイルの選択");
// Linux programs carry no ending, so the first entry shows every file; the classic one stays.
const QString BrowseFilter =
    QStringLiteral("プログラムとデスクトップエントリ|*|実行ファイル(*.exe)|*.exe");
const QString NotProgram = QStringLiteral("実行ファイルを選択してください。");
const QString DeleteQuestion = QStringLiteral("選択したショートカットを削除しますか？\r\n\r\n%1");
const QString Deleted = QStringLiteral("削除されました。");
const QString EmptyFolderName = QStringLiteral("ファイル名を入力してください。");

const QSize PanelSize(6015, 2055);
const QRect PreviewPlace(0, 0, 550, 550);
const QRect PathPlace(600, 160, 4095, 255);
const QRect BrowsePlace(4800, 85, 975, 375);
const QRect NamePromptPlace(120, 645, 3375, 255);
const QRect NamePlace(3480, 595, 1920, 270);
const QRect NotePlace(120, 1000, 5535, 420);
const QRect DeletePlace(2280, 1480, 975, 375);
const QRect ConfirmPlace(3360, 1480, 975, 375);
const QRect CancelPlace(4440, 1480, 1455, 375);
const QRect FolderPromptPlace(360, 360, 4695, 255);
const QRect FolderNamePlace(2040, 720, 2535, 345);
const QRect FolderConfirmPlace(3360, 1560, 975, 375);
const QRect FolderCancelPlace(4440, 1560, 1455, 375);

template <typename T> T* placed(T* widget, const char* name, const QRect& design) {
    widget->setObjectName(QString::fromLatin1(name));
    // Enter in a text box must not press a button that happens to come first.
    if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setAutoDefault(false);
    widget->setGeometry(twips::rect(design.x(), design.y(), design.width(), design.height()));
    return widget;
}

void setPoints(QWidget* widget, double points) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

// Why a text cannot go into the launcher's files, or empty.
QString refusal(const QStringList& texts) {
    for (const QString& text : texts) {
        const QString problem = record::textProblem(text);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace

Form5::Form5(Form4& launcher)
    : QDialog(&launcher, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , launcher_(launcher) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(Caption);
    setFont(QFont(launcherface::Face, launcherface::Points));
    setFixedSize(twips::size(PanelSize.width(), PanelSize.height()));
    createShortcutPanel();
    createFolderPanel();
}

void Form5::createShortcutPanel() {
    P1 = placed(new QFrame(this), "P1", QRect(QPoint(), PanelSize));
    P1->setAccessibleName(ShortcutPanelName);
    Picture1 = placed(new QLabel(P1), "Picture1", PreviewPlace);
    Picture1->setAccessibleName(PreviewName);
    Picture1->setToolTip(PreviewName);
    // A long path is elided in its middle, whole in its tooltip.
    auto* path = placed(new FittingLabel(PathPrompt, P1), "Label2", PathPlace);
    path->setElideMode(Qt::ElideMiddle);
    Label2 = path;
    setPoints(Label2, LargerPoints);
    Command1 = placed(new QPushButton(BrowseCaption, P1), "Command1", BrowsePlace);
    Label3[0] = placed(new QLabel(NamePrompt, P1), "Label3(0)", NamePromptPlace);
    Text1 = placed(new QLineEdit(P1), "Text1", NamePlace);
    Label3[0]->setBuddy(Text1);
    Label3[1] = placed(new PhraseLabel(LengthNote, P1), "Label3(1)", NotePlace);
    Command4 = placed(new QPushButton(DeleteCaption, P1), "Command4", DeletePlace);
    Command2 = placed(new QPushButton(ConfirmCaption, P1), "Command2", ConfirmPlace);
    Command3 = placed(new QPushButton(CancelCaption, P1), "Command3", CancelPlace);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
}

void Form5::createFolderPanel() {
    P2 = placed(new QFrame(this), "P2", QRect(QPoint(), PanelSize));
    P2->setAccessibleName(FolderPanelName);
    Label1 = placed(new QLabel(FolderPrompt, P2), "Label1", FolderPromptPlace);
    setPoints(Label1, LargerPoints);
    Text2 = placed(new QLineEdit(P2), "Text2", FolderNamePlace);
    setPoints(Text2, NamePoints);
    Label1->setBuddy(Text2);
    Command6 = placed(new QPushButton(ConfirmCaption, P2), "Command6", FolderConfirmPlace);
    Command5 = placed(new QPushButton(CancelCaption, P2), "Command5", FolderCancelPlace);
    connect(Command5, &QPushButton::clicked, this, &Form5::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form5::Command6_Click);
}

void Form5::load() {
    Text1->setText(launcher_.slotName(ComNo));
    const QString path = launcher_.slotPath(ComNo);
    showPreview(path);
    Label2->setText(path.isEmpty() ? PathPrompt : path);
}

void Form5::showPreview(const QString& path) {
    Picture1->setPixmap(path.isEmpty() ? QPixmap() : launcher_.context().platform.fileIcon(path));
}

void Form5::bringToFront(QFrame* panel) {
    P1->setVisible(panel == P1);
    P2->setVisible(panel == P2);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    // Keys go to the editor, not to the disabled launcher under it.
    raise();
    activateWindow();
    (panel == P1 ? static_cast<QWidget*>(Text1) : Text2)->setFocus();
}

void Form5::openShortcut(int comNo) {
    ComNo = qint16(comNo);
    load();
    bringToFront(P1);
}

void Form5::openFolder(int tabNo, const QString& name) {
    TabNo = qint16(tabNo);
    load();
    Text2->setText(name);
    bringToFront(P2);
}

void Form5::Command1_Click() {
    const std::optional<QString> chosen = dialogs::openFile(this, BrowseTitle, BrowseFilter);
    if (!chosen)
        return;
    Label2->setText(*chosen);
    showPreview(*chosen);
}

void Form5::Command2_Click() {
    const QString path = Label2->text();
    if (!launcherfile::acceptedTarget(path)) {
        dialogs::message(this, NotProgram, dialogs::Style::OkExclamation);
        return;
    }
    const QString problem = refusal({path, Text1->text()});
    if (!problem.isEmpty()) {
        dialogs::message(this, problem, dialogs::Style::OkExclamation);
        return;
    }
    launcher_.setSlot(ComNo, path, Text1->text());
    launcher_.saveSlots();
    leave();
}

void Form5::Command4_Click() {
    const QString question = DeleteQuestion.arg(launcher_.slotPath(ComNo));
    if (dialogs::message(this, question, dialogs::Style::YesNoQuestion) != dialogs::Answer::Yes)
        return;
    launcher_.setSlot(ComNo, {}, launcherfile::NewShortcutName);
    launcher_.saveSlots();
    dialogs::message(this, Deleted);
    leave();
}

void Form5::Command3_Click() {
    leave();
}

void Form5::Command5_Click() {
    leave();
}

void Form5::Command6_Click() {
    if (Text2->text().isEmpty()) {
        dialogs::message(this, EmptyFolderName);
        Text2->setText(launcher_.folderName(TabNo));
        return;
    }
    const QString problem = refusal({Text2->text()});
    if (!problem.isEmpty()) {
        dialogs::message(this, problem, dialogs::Style::OkExclamation);
        return;
    }
    launcher_.setFolderName(TabNo, Text2->text());
    launcher_.saveFolders();
    leave();
}

void Form5::reject() {
    leave();
}

void Form5::leave() {
    launcher_.setEnabled(true);
    hide();
    launcher_.focusOpener();
    deleteLater();
}

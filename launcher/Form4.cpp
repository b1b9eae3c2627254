#include "Form4.h"

#include "Form5.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/FittingLabel.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace {

using namespace launcherfile;

const QString Caption = QStringLiteral("簡易ランチャー");
const QString SettingsCaption = QStringLiteral("設定");
const QString RenameCaption = QStringLiteral("フォルダーの名前を変更");
const QString NotFoundMessage = QStringLiteral("リンク先のファイルが見つかりません。");
// What a screen reader calls a launch button whose slot has no program.
const QString EmptySlotName = QStringLiteral("未設定のショートカット");
// What it calls a slot's settings button: the slot's place on its page, and its name.
const QString SettingsName = QStringLiteral("ショートカット%1「%2」の設定");
const QString MenuName = QStringLiteral("フォルダーのメニュー");
const QString StripName = QStringLiteral("フォルダ");
const QString SeparatorName = QStringLiteral("区切り線");
const QStringList DesignFolders = {QStringLiteral("フォルダ１"), QStringLiteral("フォルダ２"),
                                   QStringLiteral("フォルダ３"), QStringLiteral("フォルダ４"),
                                   QStringLiteral("フォルダ５")};

// The design's client area; the outer size of 5980 x 3480 is the window system's to add.
constexpr int DesignWidth = 6030;
constexpr int DesignHeight = 3225;
// The tab strip keeps a 50-twip margin on every side of the client area.
constexpr int StripMargin = 50;
constexpr int StripWidth = 5805;
constexpr int StripHeight = 3030;
constexpr int ClientWidth = StripWidth + 2 * StripMargin;
constexpr int ClientHeight = StripHeight + 2 * StripMargin;

// A slot's cell: two columns of three rows.
constexpr int ColumnStep = 2880;
constexpr int RowStep = 840;
constexpr int RowsPerColumn = 3;
const QRect LaunchButton(120, 120, 650, 650);
const QRect NameLabel(840, 120, 1815, 180);
const QRect SettingsButton(840, 360, 735, 375);
constexpr int IconPixels = 32;
constexpr int TabPaddingPixels = 10;

// The separators of each page: two rows, one column.
const QList<QLine> Separators = {
    {120, 860, 5520, 860}, {120, 1700, 5520, 1700}, {2840, 0, 2840, 2520}};

// Tabs padded as little as the classic tab strip, so five folder names fit its width.
class NarrowTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace)
            return TabPaddingPixels;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QRect cell(const QRect& design, int slot) {
    const int position = positionOf(slot);
    const int column = position / RowsPerColumn;
    const int row = position % RowsPerColumn;
    return twips::rect(design.left() + ColumnStep * column, design.top() + RowStep * row,
                       design.width(), design.height());
}

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFrame* separator(const QLine& line, QWidget* page) {
    auto* frame = named(new QFrame(page), QStringLiteral("Line1"));
    const bool horizontal = line.dy() == 0;
    frame->setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    frame->setFrameShadow(QFrame::Plain);
    frame->setAccessibleName(SeparatorName);
    const QPoint from(twips::px(line.x1()), twips::px(line.y1()));
    const QPoint to(twips::px(line.x2()), twips::px(line.y2()));
    frame->setGeometry(horizontal ? QRect(from, QSize(to.x() - from.x(), 1))
                                  : QRect(from, QSize(1, to.y() - from.y())));
    return frame;
}

} // namespace

Form4::Form4(Context& context)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
    , context_(context) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Caption);
    setFont(QFont(launcherface::Face, launcherface::Points));
    setFixedSize(twips::size(ClientWidth, ClientHeight));
    TabSa = named(new QTabWidget(this), QStringLiteral("TabSa"));
    TabSa->setAccessibleName(StripName);
    // Five folder names share the strip's width, as the design has them, without scrolling.
    TabSa->setUsesScrollButtons(false);
    TabSa->setElideMode(Qt::ElideRight);
    auto* narrowTabs = new NarrowTabs;
    narrowTabs->setParent(TabSa->tabBar());
    TabSa->tabBar()->setStyle(narrowTabs);
    TabSa->tabBar()->installEventFilter(this);
    for (int page = 0; page < FolderCount; ++page)
        createPage(page);
    if (auto* stack = TabSa->findChild<QStackedWidget*>())
        stack->setAccessibleName(StripName);
    connect(TabSa, &QTabWidget::currentChanged, this, &Form4::TabSa_Click);
    pMenu1 = named(new QMenu(this), QStringLiteral("pMenu1"));
    pMenu1->setAccessibleName(MenuName);
    FolNameX = named(pMenu1->addAction(RenameCaption), QStringLiteral("FolNameX"));
    connect(FolNameX, &QAction::triggered, this, &Form4::FolNameX_Click);
}

Form4::~Form4() {
    delete editor_;
}

void Form4::createPage(int page) {
    auto* frame = named(new QFrame, indexed("Picture1", page));
    Picture1[page] = frame;
    TabSa->addTab(frame, QString());
    setFolderName(page + 1, DesignFolders[page]);
    for (const QLine& line : Separators)
        separator(line, frame);
    for (int position = 0; position < SlotsPerFolder; ++position)
        createSlot(slotAt(page + 1, position));
}

void Form4::createSlot(int slot) {
    QWidget* page = Picture1[folderOf(slot) - 1];
    auto* button = named(new QPushButton(page), indexed("Command1", slot));
    button->setGeometry(cell(LaunchButton, slot));
    button->setIconSize(QSize(IconPixels, IconPixels));
    connect(button, &QPushButton::clicked, this, [this, slot] { Command1_Click(slot); });
    Command1[slot] = button;
    // A long name is elided, whole in its tooltip.
    auto* name = named(new FittingLabel(NewShortcutName, page), indexed("Label1", slot));
    name->setGeometry(cell(NameLabel, slot));
    name->setBuddy(button);
    Label1[slot] = name;
    auto* settings = named(new QPushButton(SettingsCaption, page), indexed("Command2", slot));
    settings->setGeometry(cell(SettingsButton, slot));
    connect(settings, &QPushButton::clicked, this, [this, slot] { Command2_Click(slot); });
    Command2[slot] = settings;
    setSlot(slot, {}, NewShortcutName);
}

void Form4::load() {
    hide();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize design = twips::size(DesignWidth, DesignHeight);
        move(screen->geometry().topLeft() +
             QPoint((screen->size().width() - design.width()) / 2,
                    (screen->size().height() - design.height()) / 2));
    }
    TabSa->setGeometry(twips::rect(StripMargin, StripMargin, StripWidth, StripHeight));
    context_.holdNotices();
    const QStringList folders = context_.load<QStringList>(datafile::Folders, parseFolders);
    for (int k = 0; k < FolderCount; ++k)
        setFolderName(k + 1, folders[k]);
    const QList<Slot> entries = context_.load<QList<Slot>>(datafile::Shortcuts, parseSlots);
    for (int i = 0; i < SlotCount; ++i)
        setSlot(i, entries[i].path, entries[i].name);
    context_.releaseNotices();
    TabSa->setCurrentIndex(0);
    TabSa_Click();
}

void Form4::setFolderName(int folder, const QString& name) {
    TabSa->setTabText(folder - 1, name);
    // A long name is elided on its tab, so the tooltip has all of it.
    TabSa->setTabToolTip(folder - 1, name);
    Picture1[folder - 1]->setAccessibleName(name);
}

QString Form4::slotPath(int slot) const {
    return Command1[slot]->toolTip();
}

QString Form4::slotName(int slot) const {
    return Label1[slot]->text();
}

QString Form4::folderName(int folder) const {
    return TabSa->tabText(folder - 1);
}

void Form4::setSlot(int slot, const QString& path, const QString& name) {
    Command1[slot]->setToolTip(path);
    Label1[slot]->setText(name);
    nameSlot(slot);
    showIcon(slot);
}

void Form4::nameSlot(int slot) {
    // A reader hears the name the user gave, and the program's path as the description.
    const QString path = slotPath(slot);
    const QString name = Label1[slot]->text();
    const QString called = path.isEmpty() ? EmptySlotName : name.isEmpty() ? path : name;
    Command1[slot]->setAccessibleName(called);
    Command1[slot]->setAccessibleDescription(path);
    Command2[slot]->setAccessibleName(
        SettingsName.arg(QString::number(positionOf(slot) + 1), called));
}

void Form4::showIcon(int slot) {
    const QString path = slotPath(slot);
    const QPixmap icon = path.isEmpty() ? QPixmap() : context_.platform.fileIcon(path);
    Command1[slot]->setIcon(icon.isNull() ? QIcon() : QIcon(icon));
}

bool Form4::saveSlots() {
    QList<Slot> entries;
    for (int i = 0; i < SlotCount; ++i)
        entries << Slot{slotPath(i), Label1[i]->text()};
    QString problem;
    const std::optional<QByteArray> bytes = writeSlots(entries, &problem);
    return context_.save(datafile::Shortcuts, bytes, problem);
}

bool Form4::saveFolders() {
    QStringList names;
    for (int k = 0; k < FolderCount; ++k)
        names << TabSa->tabText(k);
    QString problem;
    const std::optional<QByteArray> bytes = writeFolders(names, &problem);
    return context_.save(datafile::Folders, bytes, problem);
}

void Form4::TabSa_Click() {
    currentPage = TabSa->currentIndex();
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    // The folder menu opens when the right button is let go, or from the keyboard's menu key.
    if (watched == TabSa->tabBar() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            pMenu1->popup(mouse->globalPosition().toPoint());
    } else if (watched == TabSa->tabBar() && event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard)
            pMenu1->popup(menu->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

Form5* Form4::editor() const {
    return editor_ && editor_->isVisible() ? editor_.data() : nullptr;
}

Form5* Form4::openEditor() {
    delete editor_;
    // The editor belongs to the launcher, so the window system keeps it above the launcher
    // and gives the launcher the focus back.
    editor_ = new Form5(*this);
    return editor_;
}

void Form4::disableForEditor(QWidget* opener) {
    opener_ = opener;
    // Disabling takes the keyboard from the editor's box; it goes back to that box.
    QWidget* box = editor_->focusWidget();
    setEnabled(false);
    // A window of the launcher is disabled with it unless it is enabled itself.
    editor_->setEnabled(true);
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

void Form4::FolNameX_Click() {
    const int tab = TabSa->currentIndex() + 1;
    openEditor()->openFolder(tab, TabSa->tabText(tab - 1));
    disableForEditor(TabSa->tabBar());
}

void Form4::Command2_Click(int index) {
    openEditor()->openShortcut(index);
    disableForEditor(Command2[index]);
}

void Form4::focusOpener() {
    activateWindow();
    if (opener_)
        opener_->setFocus(Qt::OtherFocusReason);
}

void Form4::Command1_Click(int index) {
    const QString path = slotPath(index);
    if (path.isEmpty())
        return;
    // Closing schedules this window's deletion: what the failure needs is taken first.
    const std::function<void()> again = showAgain;
    Platform& platform = context_.platform;
    if (editor_)
        editor_->close();
    close();
    if (platform.startProgram(path))
        return;
    dialogs::message(nullptr, NotFoundMessage);
    if (again)
        again();
}

void Form4::closeEvent(QCloseEvent* event) {
    // While the editor is open the launcher takes no input, the close button included.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

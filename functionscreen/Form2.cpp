#include "Form2.h"

#include "AlarmPage.h"
#include "DrivesPage.h"
#include "PageButton.h"
#include "ProductPage.h"
#include "SearchPage.h"
#include "SettingsPage.h"
#include "SystemPage.h"
#include "WallpaperPage.h"
#include "core/SizeModes.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/Pictures.h"
#include "ui/Settings.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

const QString Caption = QStringLiteral("機能画面");
constexpr int WidthTwips = 6510;
constexpr int HeightTwips = 5190;
constexpr int TimerMs = 500;
constexpr int ButtonWidthTwips = 620;
constexpr int ButtonHeightTwips = 590;

struct ButtonSpec {
    const char* name;
    int left;
    const char* caption;
    const char* icon;
    std::optional<Form2::PageId> page;
};

const ButtonSpec Buttons[] = {
    {"Command37", 360, "機能画面を閉じる", "PageClose", std::nullopt},
    {"Command29", 1080, "システム", "PageSystem", Form2::PageId::System},
    {"Command30", 1800, "ドライブ", "PageDrives", Form2::PageId::Drives},
    {"Command33", 2520, "壁紙・解像度", "PageWallpaper", Form2::PageId::Wallpaper},
    {"Command31", 3240, "アラーム設定", "PageAlarm", Form2::PageId::Alarm},
    {"Command26", 3960, "ファイル検索", "PageSearch", Form2::PageId::Search},
    {"Command35", 4680, "各種設定", "PageSettings", Form2::PageId::Settings},
    {"Command36", 5400, "製品情報", "PageInfo", Form2::PageId::Product},
};

// A window of a fixed size has no maximise button; the window manager is told so.
constexpr Qt::WindowFlags Frame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

} // namespace

Form2::Form2(Context& context, Settings& settings, ClockWindow& clock)
    : QWidget(nullptr, Frame)
    , context_(context)
    , settings_(settings)
    , clock_(clock) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Caption);
}

Form2::~Form2() = default;

void Form2::Load() {
    if (isLoaded())
        return;
    body_ = new QWidget(this);
    body_->setAccessibleName(Caption);
    body_->setGeometry(0, 0, twips::px(WidthTwips), twips::px(HeightTwips));
    createPages();
    showFrontPageOnly();
    Timer1 = new QTimer(body_);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    body_->show();
    // A notice shown halfway would run the event loop, and the clock's tick with it,
    // against pages not yet filled.
    context_.holdNotices();
    runLoadSequence();
    context_.releaseNotices();
}

void Form2::createPages() {
    Picture1 = new SystemPage(*this, body_);
    Picture2 = new DrivesPage(*this, body_);
    Picture3 = new WallpaperPage(*this, body_);
    Picture4 = new AlarmPage(*this, body_);
    Picture6 = new SearchPage(*this, body_);
    Picture7 = new SettingsPage(*this, body_);
    Picture8 = new ProductPage(*this, body_);
}

void Form2::createPageButtons() {
    // Made at the first showing, as the pages' controls are: the clock starts without them.
    if (Command37)
        return;
    QAbstractButton** members[] = {&Command37, &Command29, &Command30, &Command33,
                                   &Command31, &Command26, &Command35, &Command36};
    // One page is in front: pressing its button again leaves it pressed.
    auto* pressed = new QButtonGroup(body_);
    for (std::size_t i = 0; i < std::size(Buttons); ++i) {
        const ButtonSpec& spec = Buttons[i];
        auto* button =
            new PageButton(QString::fromLatin1(spec.name), QString::fromUtf8(spec.caption),
                           pictures::icon(QString::fromLatin1(spec.icon)), body_);
        button->setGeometry(twips::rect(spec.left, 0, ButtonWidthTwips, ButtonHeightTwips));
        *members[i] = button;
        if (spec.page) {
            // The button of the page in front reads, and shows, as pressed.
            button->setCheckable(true);
            pressed->addButton(button);
            pageButtons_.append({button, *spec.page});
            pageWidget(*spec.page)->setAccessibleName(button->text());
            connect(button, &QAbstractButton::clicked, this, [this, page = *spec.page] {
                bringToFront(page);
                focusInto(pageWidget(page));
            });
        } else {
            connect(button, &QAbstractButton::clicked, this, [this] {
                Timer1->stop();
                close();
            });
        }
    }
}

void Form2::runLoadSequence() {
    setFixedSize(twips::size(WidthTwips, HeightTwips));
    Timer1->start(TimerMs);
    Picture1->fill();
    Picture2->fill();
    Picture4->loadTable();
    Picture7->applyStoredValues();
    skippingFailure([this] { Picture3->fill(); });
    skippingFailure([this] { Picture7->applyStoredLock(); });
}

template <typename Step> void Form2::skippingFailure(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

void Form2::Unload() {
    if (!isLoaded())
        return;
    Timer1->stop();
    // The controls may be in the middle of their own click handler.
    body_->hide();
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    body_->deleteLater();
    body_ = nullptr;
    Command37 = Command29 = Command30 = Command33 = Command31 = Command26 = Command35 = Command36 =
        nullptr;
    pageButtons_.clear();
    Picture1 = nullptr;
    Picture2 = nullptr;
    Picture3 = nullptr;
    Picture4 = nullptr;
    Picture6 = nullptr;
    Picture7 = nullptr;
    Picture8 = nullptr;
    Timer1 = nullptr;
}

void Form2::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

QWidget* Form2::pageWidget(PageId page) const {
    switch (page) {
    case PageId::System:
        return Picture1;
    case PageId::Drives:
        return Picture2;
    case PageId::Wallpaper:
        return Picture3;
    case PageId::Alarm:
        return Picture4;
    case PageId::Search:
        return Picture6;
    case PageId::Settings:
        return Picture7;
    case PageId::Product:
        return Picture8;
    }
    return nullptr;
}

void Form2::bringToFront(PageId page) {
    pageWidget(page)->raise();
    showFrontPageOnly();
}

void Form2::showFrontPageOnly() {
    // A covered page is hidden, so neither Tab nor a screen reader reaches what cannot be seen.
    QWidget* front = frontPage();
    for (QObject* child : body_->children()) {
        if (auto* page = qobject_cast<Page*>(child))
            page->setVisible(page == front);
    }
    for (const auto& [button, page] : std::as_const(pageButtons_))
        button->setChecked(pageWidget(page) == front);
}

void Form2::focusInto(QWidget* page) {
    for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) &&
            next->isVisibleTo(page) && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QWidget* Form2::frontPage() const {
    if (!body_)
        return nullptr;
    // Raising a widget moves it to the end of its parent's children.
    const QObjectList& children = body_->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (auto* page = qobject_cast<Page*>(*it))
            return page;
    }
    return nullptr;
}

void Form2::showPage() {
    createPageButtons();
    showFrontPageOnly();
    if (!placed_) {
        // The first showing puts the window in the middle of the screen; later ones keep
        // where the user left it.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        placed_ = true;
    }
    // The first focus is on the row of page buttons, where Tab starts its round.
    if (!focusWidget() || !body_->isAncestorOf(focusWidget()))
        Command37->setFocus();
    show();
    raise();
    activateWindow();
}

void Form2::setSearchFiles() {
    Picture6->ensureBuilt();
    Picture6->setSearchFiles();
}

void Form2::getSearchFiles(const QString& specification) {
    Picture6->ensureBuilt();
    Picture6->getSearchFiles(specification);
}

void Form2::HY_NoCheck() {
    Picture6->ensureBuilt();
    Picture6->HY_NoCheck();
}

void Form2::FomSiz() {
    if (const std::optional<int> next = nextSizeMode(settings_.MemMni()))
        settings_.setMemMni(*next);
}

void Form2::Timer1_Timer() {
    Picture7->showLock();
    skippingFailure([this] { Picture3->showResolution(context_.platform.screenSize()); });
}

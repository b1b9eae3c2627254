#pragma once

#include <QString>
#include <QWidget>

class AlarmPage;
class ClockWindow;
class Context;
class DrivesPage;
class Page;
class ProductPage;
class QTimer;
class QAbstractButton;
class SearchPage;
class Settings;
class SettingsPage;
class SystemPage;
class WallpaperPage;

// The function screen: one window with a page per tool. It lives for the whole run;
// closing it unloads its controls, and its next use loads them again, hidden.
class Form2 : public QWidget {
    Q_OBJECT
public:
    enum class PageId { System, Drives, Wallpaper, Alarm, Search, Settings, Product };

    Form2(Context& context, Settings& settings, ClockWindow& clock);
    ~Form2() override;

    bool isLoaded() const { return body_ != nullptr; }
    // Creates the pages and runs the load sequence, leaving the window hidden. A page makes
    // its controls when it first shows or is first asked for something through this window.
    void Load();
    // Destroys the controls; the public variables live on.
    void Unload();

    void bringToFront(PageId page);
    // Shows the window with the page last brought to the front.
    void showPage();
    // The page that is seen.
    QWidget* frontPage() const;
    QWidget* pageWidget(PageId page) const;

    // The size button: the next size mode, applied and written.
    void FomSiz();
    void Timer1_Timer();
    // The file search page's methods, reached through the window as the other windows do.
    void setSearchFiles();
    void getSearchFiles(const QString& specification);
    void HY_NoCheck();

    // The alarm slot last picked; it outlives unloading.
    qint16 AlmNo = 0;

    // Controls, valid while loaded.
    QAbstractButton *Command37 = nullptr, *Command29 = nullptr, *Command30 = nullptr,
                    *Command33 = nullptr, *Command31 = nullptr, *Command26 = nullptr,
                    *Command35 = nullptr, *Command36 = nullptr;
    SystemPage* Picture1 = nullptr;
    DrivesPage* Picture2 = nullptr;
    WallpaperPage* Picture3 = nullptr;
    AlarmPage* Picture4 = nullptr;
    SearchPage* Picture6 = nullptr;
    SettingsPage* Picture7 = nullptr;
    ProductPage* Picture8 = nullptr;
    QTimer* Timer1 = nullptr;

    Context& context() const { return context_; }
    Settings& settings() const { return settings_; }
    ClockWindow& clock() const { return clock_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void createPageButtons();
    void showFrontPageOnly();
    // Gives the focus to the page's first control that Tab reaches, if it has one.
    void focusInto(QWidget* page);
    void runLoadSequence();
    // From here on a failing step of the load is skipped.
    template <typename Step> void skippingFailure(Step step);

    Context& context_;
    Settings& settings_;
    ClockWindow& clock_;
    QWidget* body_ = nullptr;
    QList<std::pair<QAbstractButton*, PageId>> pageButtons_;
    bool placed_ = false;
};

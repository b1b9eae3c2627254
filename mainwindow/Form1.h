#pragma once

#include "Form3.h"
#include "core/MemoryFigures.h"
#include "core/Patterns.h"
#include "core/SettingsFiles.h"
#include "functionscreen/ClockWindow.h"
#include "functionscreen/Form2.h"
#include "ui/Settings.h"

#include <QPixmap>
#include <QWidget>

class Context;
class Form6;
class Launcher;
class ClickableLabel;
class QLabel;
class QMenu;
class QAction;
class QProgressBar;
class QTimer;
class QColor;

// The clock window: a small borderless panel with the time, the date, the memory meter
// and the alarm lamp, driven by one 250 ms tick.
class Form1 : public QWidget, public ClockWindow {
    Q_OBJECT
public:
    explicit Form1(Context& context, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up pass: reads the settings, applies them and shows the window.
    void Form_Load();
    // How long the start-up logo stays up; tests shorten it.
    void setLogoHold(int ms) { logoHoldMs_ = ms; }

    // The function screen, loaded (hidden) first when it is not.
    Form2& F2();
    bool form2Loaded() const;
    Settings& settings() { return settings_; }

    void Timer1_Timer();
    void MemCheck();
    void AlmHantei();
    // The one-line summary of the narrow size mode.
    QString summaryLine() const;
    QString summaryLine(const ClockTexts& texts) const;
    // The window's look in size mode 0, 1 or 2: background, size-button faces, size.
    void applySizeMode(const Variant& mode);
    // The pictures of the alarm switch and of the lock, as the settings have them.
    void showAlarmLamp();
    void showLock();

    QFont clockFace() const override;
    QString faceName() const override;
    QColor textColour() const override;
    void applyClockFace(const QFont& face) override;
    void applyTextColour(const QColor& colour) override;
    // Ends the program the way all three exits do.
    void endProgram();
    void writePosition();
    // Whom the clock asks where it stands: the window system answers for sure, in a round
    // trip; Qt may not have heard of a window manager's move (weston's Xwayland).
    enum class Ask { WindowSystem, Qt };
    // Where the window stands in pixels: the stored place where the window system keeps
    // the real one to itself.
    QPoint place(Ask ask = Ask::WindowSystem) const;

    // Controls, named as the design names them.
    ClickableLabel* Label10;
    QLabel *Label17, *Label3, *Label2, *tAM, *tPM;
    QLabel *Label1, *Label4, *Label12; // hidden working values of the tick
    QLabel *Label15, *Label8, *Label16, *Label7, *Label6, *Label9;
    QProgressBar* PB;
    ClickableLabel *Image1, *Ido, *Image3, *GLMS, *Image2, *Image5, *GLMSa, *Image7, *Image4;
    QTimer* Timer1;
    QMenu* pMenu;
    QAction *kvSys, *kvDriv, *kvBmp, *kvWav, *kvDir, *kvSet, *kvVer, *kvLunc, *kvEnd;
    // Pictures lent to other controls.
    QPixmap IdoN, IdoO, A_On, A_Off, DaiS, DaiL, DaiSS, GS, GM, GL;

    Form6* form6() const { return form6_; }
    Launcher& launcher() const { return *launcher_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createMenu();
    void connectControls();
    void showLogo();
    void readPosition();
    // Hides the controls that the size mode's edges cut through, and shows again the ones
    // that the last mode hid.
    void showOnlyWholeControls();
    void applyAlwaysOnTop();
    void readFont();
    void firstDisplay();
    // Redraws what shows a setting that changed.
    void showSetting(Settings::Field field);
    // The one-line summary in the title strip, in the strip's size mode.
    void showSummary();
    void refuseSecondCopy();
    void openPage(Form2::PageId page);
    // pMenu at the mouse, or below the control that has the focus when a key asked for it.
    void openMenu(QWidget* from);
    // pMenu below from, as a key opens it: with its first item highlighted.
    void openMenuBelow(QWidget* from);
    void nameControls();
    void openLauncher();
    void Ido_Click();
    void sizeButton_Click();
    void Label10_MouseDown(QMouseEvent* event);
    void Label10_MouseMove(QMouseEvent* event);
    void Label10_MouseUp(QMouseEvent* event);
    // Label17 and the AM/PM lamps by the clock mode; a lit lamp takes litColour.
    void setTimeAndLamps(const ClockTexts& texts, const QColor& litColour);
    // The work of one tick, which Timer1_Timer guards against running inside itself.
    void tick();
    void showDate(const ClockTexts& texts);

    Context& context_;
    Settings settings_;
    Form2* form2_;
    Form6* form6_;
    Launcher* launcher_;
    QPixmap background_;
    QList<QWidget*> cutOff_;
    mutable ClockTexts clockTexts_;
    MeterTexts meterTexts_;
    // The alarm guard lets one firing through per slot; the raise flag says the window may
    // still have to go back among the normal windows.
    qint16 almGuard_ = 1;
    int almRaise_ = 0;
    PositionRecord position_; // in twips, as read or last written
    bool ticking_ = false;
    int logoHoldMs_ = Form3::HoldMs;
    QPoint dragOffset_;
    // A press on Label10 asks the window system for a move at the first move of the mouse;
    // where it refuses, the window follows the mouse by hand.
    enum class Drag { None, NotAsked, BySystem, ByHand };
    Drag drag_ = Drag::None;
    // The window system moves the window; its place is written once it rests. A window
    // manager that moves it without telling Qt is followed by asking at each tick.
    bool systemMove_ = false;
    QTimer* systemMoveSettled_ = nullptr;
    QPoint systemMoveSeen_;
    void followSystemMove();
};

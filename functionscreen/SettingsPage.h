#pragma once

#include "Page.h"

#include "ui/Settings.h"

#include <QDate>
#include <QPoint>

class ClockWindow;
class Form2;
class QCheckBox;
class QColor;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The various settings page: how the clock window looks and behaves. Every change acts
// on the clock at once and is written at once.
class SettingsPage : public Page {
    Q_OBJECT
public:
    SettingsPage(Form2& form2, QWidget* parent);

    static const QString AlarmOnCaption;
    static const QString AlarmOffCaption;

    // Load steps. The page is new at each load, its boxes clear: a stored value that sets a
    // box runs the box's handler, as a click does.
    void applyStoredValues();
    void applyStoredLock();
    // The function screen's timer: the lock as the clock has it. A change is written.
    void showLock();
    // The clock's place, as X and Y.
    void showPosition(const QPoint& at);

    void Check1_Click(bool on);
    void Check2_Click(bool on);
    void Check3_Click(bool on);
    void Check4_Click(bool on);
    void Check6_Click(bool on);
    void Check7_Click(bool on);
    void Option1_Click();
    void Option3_Click();
    void Command5_Click();
    void Command32_Click();
    void Command20_Click();

    // Controls, made at the page's first showing.
    QCheckBox *Check7 = nullptr, *Check4 = nullptr, *Check3 = nullptr, *Check1 = nullptr,
              *Check6 = nullptr, *Check2 = nullptr;
    QGroupBox *Frame2 = nullptr, *Frame3 = nullptr;
    QRadioButton *Option1 = nullptr, *Option3 = nullptr;
    QLabel *Label50 = nullptr, *Label47 = nullptr, *Label46 = nullptr, *Label53 = nullptr,
           *Label48 = nullptr, *Label51 = nullptr, *Label54 = nullptr;
    QPushButton *Command5 = nullptr, *Command32 = nullptr, *Command23 = nullptr,
                *Command20 = nullptr;

protected:
    void build() override;

private:
    void createChecks();
    void createDateFrame();
    void createPositionFrame();
    void createButtons();
    void showSettings();
    void connectControls();
    void showChange(Settings::Field field);
    void writeFont(const QString& name, bool bold, bool italic, const QColor& colour);

    Form2& form2_;
    Settings& settings_;
    ClockWindow& clock_;
    // What the page holds while it has no controls.
    bool lock_ = false;
    QPoint position_;
    QDate day_;
};

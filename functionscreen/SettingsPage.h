#pragma once

#include "Page.h"

class Form1;
class Form2;
class QCheckBox;
class QFont;
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

    // Load steps: the alarm switch, the size caption, the stored values, the lock.
    void applyAlarmSwitch();
    void applySizeCaption();
    void applyStoredValues();
    void applyStoredLock();

    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check6_Click();
    void Check7_Click();
    void Option1_Click();
    void Option3_Click();
    // The face the clock really shows: the family the system put in for the stored name,
    // with the time label's size, bold and italic. The font dialog opens on it.
    QFont clockFace() const;

    void Command5_Click();
    void Command32_Click();
    void Command20_Click();

    QCheckBox *Check7, *Check4, *Check3, *Check1, *Check6, *Check2;
    QGroupBox *Frame2, *Frame3;
    QRadioButton *Option1, *Option3;
    QLabel *Label50, *Label47, *Label46, *Label53, *Label48, *Label51, *Label54;
    QPushButton *Command5, *Command32, *Command23, *Command20;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createChecks();
    void createDateFrame();
    void createPositionFrame();
    void createButtons();
    void connectControls();
    void writeFont(const QString& name, bool bold, bool italic, const QColor& colour);

    Form2& form2_;
    Form1& form1_;
};

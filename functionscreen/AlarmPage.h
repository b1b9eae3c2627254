#pragma once

#include "Page.h"

class Form2;
class QLabel;
class QListWidget;
class QPushButton;

// The alarm settings page: the 48 half-hour slots with their sounds, tried, saved and
// imported here. The table in Com is what the alarm plays.
class AlarmPage : public Page {
    Q_OBJECT
public:
    AlarmPage(Form2& form2, QWidget* parent);

    // Fills Com from the alarm file and List with the slot labels.
    void loadTable();
    QStringList entries() const;

    void Com_Click();
    void List_Click();
    void Command8_Click();
    void Command11_Click();
    void Command10_Click();
    void Command9_Click();
    void Command12_Click();
    void Command7_Click();

    QLabel *Label43, *Label39, *Label32;
    QListWidget *List, *Com;
    QPushButton *Command8, *Command11, *Command10, *Command9, *Command7, *Command12;

private:
    void createControls();
    void connectControls();
    void scrollTogether();

    Form2& form2_;
};

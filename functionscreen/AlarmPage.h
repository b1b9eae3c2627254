#pragma once

#include "Page.h"

#include <QItemSelectionModel>
#include <QStringListModel>

class Form2;
class ListBox;
class QLabel;
class QPushButton;

// The alarm settings page: the 48 half-hour slots with their sounds, tried, saved and
// imported here. It holds the alarm table that the clock's alarm plays, with its edits
// not yet saved; the sound list shows it and picks its slot.
class AlarmPage : public Page {
    Q_OBJECT
public:
    AlarmPage(Form2& form2, QWidget* parent);

    // Reads the alarm file into the table, with no slot picked.
    void loadTable();
    QStringList entries() const { return table_.stringList(); }
    // The table as the program holds it, one row per slot.
    QStringListModel& table() { return table_; }
    // Picks a slot as a click in the sound list does; gives its entry.
    QString pickSlot(int slot);
    // Changes a slot's entry, unsaved: the alarm plays it until the function screen closes.
    void setEntry(int slot, const QString& entry);

    void Com_Click();
    void List_Click();
    void Command8_Click();
    void Command11_Click();
    void Command10_Click();
    void Command9_Click();
    void Command12_Click();
    void Command7_Click();

    // Controls, made at the page's first showing.
    QLabel *Label43 = nullptr, *Label39 = nullptr, *Label32 = nullptr;
    ListBox *List = nullptr, *Com = nullptr;
    QPushButton *Command8 = nullptr, *Command11 = nullptr, *Command10 = nullptr,
                *Command9 = nullptr, *Command7 = nullptr, *Command12 = nullptr;

protected:
    void build() override;

private:
    void createControls();
    void connectControls();
    void scrollTogether();
    int pickedSlot() const { return picked_.currentIndex().row(); }

    Form2& form2_;
    QStringListModel table_;
    // The sound list's selection, which is the slot picked, also while the page has no lists.
    QItemSelectionModel picked_{&table_};
    QStringListModel slotLabels_;
};

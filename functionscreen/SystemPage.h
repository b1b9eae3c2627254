#pragma once

#include "Page.h"

#include <array>

class Form2;
class QLabel;
class QPushButton;

// The system page: the machine's figures and the log-off and power buttons. The memory
// meter writes its three figures here.
class SystemPage : public Page {
    Q_OBJECT
public:
    SystemPage(Form2& form2, QWidget* parent);

    // The figures of the moment the function screen opens.
    void fill();

    // Asks in a box, then asks to log off, power off or restart; the program ends when the
    // answer comes, and the clock goes on until then.
    void Command6_Click(int index);

    QLabel *Label10, *Label9, *Label28, *Label26;
    QLabel *Label13, *Label15, *Label14, *Label17, *Label16, *Label19, *Label18;
    QLabel *Label12, *Label11, *Label4, *Label3, *Label2, *Label6;
    // Log off, power off, restart.
    std::array<QPushButton*, 3> Command6{};

private:
    void createFigures();
    void createMemoryRows();
    void createPowerButtons();
    // Shows a figure and tells a screen reader what it is.
    static void showValue(QLabel* heading, QLabel* value, const QString& text);

    Form2& form2_;
};

#pragma once

#include "Page.h"

#include <QString>
#include <array>

class Form2;
class MeterTexts;
class QLabel;
class QPushButton;

// The system page: the machine's figures and the log-off and power buttons. The memory
// meter shows its three figures here.
class SystemPage : public Page {
    Q_OBJECT
public:
    SystemPage(Form2& form2, QWidget* parent);

    // Reads the figures of the moment the function screen opens; the page shows them.
    void fill();
    // The memory meter's figures, kept for the page while it has no controls yet.
    void showMemory(const MeterTexts& texts);

    // Asks in a box, then asks to log off, power off or restart; the program ends when the
    // answer comes, and the clock goes on until then.
    void Command6_Click(int index);

    // Controls, made at the first showing.
    QLabel *Label10 = nullptr, *Label9 = nullptr, *Label28 = nullptr, *Label26 = nullptr;
    QLabel *Label13 = nullptr, *Label15 = nullptr, *Label14 = nullptr, *Label17 = nullptr,
           *Label16 = nullptr, *Label19 = nullptr, *Label18 = nullptr;
    QLabel *Label12 = nullptr, *Label11 = nullptr, *Label4 = nullptr, *Label3 = nullptr,
           *Label2 = nullptr, *Label6 = nullptr;
    // Log off, power off, restart.
    std::array<QPushButton*, 3> Command6{};

protected:
    void build() override;

private:
    struct Figures {
        QString version, build, notes, computer, user;
    };
    struct Memory {
        QString total, used, free;
    };

    void createFigures();
    void createMemoryRows();
    void createPowerButtons();
    void showFigures();
    void showMemoryFigures();
    // Shows a figure and tells a screen reader what it is.
    static void showValue(QLabel* heading, QLabel* value, const QString& text);

    Form2& form2_;
    Figures figures_;
    Memory memory_;
};

#pragma once

#include "Page.h"
#include "core/DriveFigures.h"

#include <QStringList>
#include <optional>

class Form2;
class QComboBox;
class QLabel;
class QProgressBar;

// The drive figures page.
class DrivesPage : public Page {
    Q_OBJECT
public:
    DrivesPage(Form2& form2, QWidget* parent);

    // The load's part: reads the drive list, then the first drive's type and capacity; the
    // page shows them.
    void fill();
    void Drive1_Change();

    // Controls, made at the first showing.
    QComboBox* Drive1 = nullptr;
    QLabel *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr,
           *Label37 = nullptr, *Label38 = nullptr, *Label40 = nullptr, *Label41 = nullptr,
           *Label42 = nullptr, *Label74 = nullptr;
    QProgressBar* PB2 = nullptr;

protected:
    void build() override;

private:
    void createControls();
    void nameControls();
    void readDrive(const QString& root);
    void showDrives();
    void showDrive();
    void showCapacity();

    Form2& form2_;
    QStringList drives_;
    // The type last told: a drive that cannot be told keeps it.
    std::optional<QString> type_;
    drives::CapacityTexts capacity_ = drives::capacity(0, 0);
};

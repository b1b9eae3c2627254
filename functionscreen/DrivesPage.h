#pragma once

#include "Page.h"

class Form2;
class QComboBox;
class QLabel;
class QProgressBar;

// The drive figures page.
class DrivesPage : public Page {
    Q_OBJECT
public:
    DrivesPage(Form2& form2, QWidget* parent);

    // The load's part: the drive list, then the first drive's type and capacity.
    void fill();
    void Drive1_Change();

    QComboBox* Drive1;
    QLabel *Label33, *Label34, *Label35, *Label36, *Label37, *Label38, *Label40, *Label41, *Label42,
        *Label74;
    QProgressBar* PB2;

private:
    void createControls();
    void nameControls();
    void showType(const QString& root);
    void showCapacity(const QString& root);

    Form2& form2_;
};

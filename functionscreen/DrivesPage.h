#pragma once

#include "Page.h"

class Form2;

// The drive figures page.
class DrivesPage : public Page {
    Q_OBJECT
public:
    DrivesPage(Form2& form2, QWidget* parent);

    void fill();

private:
    Form2& form2_;
};

#pragma once

#include "Page.h"

class Form2;
class QLabel;

// The system page: the machine's figures. The memory meter writes its three figures here.
class SystemPage : public Page {
    Q_OBJECT
public:
    SystemPage(Form2& form2, QWidget* parent);

    // The figures of the moment the function screen opens.
    void fill();

    QLabel *Label12, *Label11, *Label4, *Label3, *Label2, *Label6;

private:
    Form2& form2_;
};

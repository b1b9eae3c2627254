#pragma once

#include "Page.h"

class Form2;

// The file search page.
class SearchPage : public Page {
    Q_OBJECT
public:
    SearchPage(Form2& form2, QWidget* parent);

    void fillFileTypes();

private:
    Form2& form2_;
};

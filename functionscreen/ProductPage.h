#pragma once

#include "Page.h"

class Form2;

// The product information page.
class ProductPage : public Page {
    Q_OBJECT
public:
    ProductPage(Form2& form2, QWidget* parent);

    void fill();

private:
    Form2& form2_;
};

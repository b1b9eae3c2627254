#pragma once

#include "Page.h"

class Form2;
class QLabel;
class QPushButton;
class QUrl;

// The product page: the product panel and, in front of it at every opening, the support
// panel with the way to the support page.
class ProductPage : public Page {
    Q_OBJECT
public:
    ProductPage(Form2& form2, QWidget* parent);

    void fill();

    // The support page delivered beside the program.
    static QUrl supportPage();

    void Command24_Click();
    void Command25_Click();
    void Command13_Click();

    QFrame *Picture9, *Picture10;
    QLabel *Label25, *Label30, *Label31, *Label45, *Label49, *Label73;
    QPushButton *Command24, *Command25, *Command13;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createProductPanel();
    void createSupportPanel();
    // The panel seen; the other is hidden, so neither Tab nor a screen reader reaches it.
    void bringPanelToFront(QFrame* panel);

    Form2& form2_;
};

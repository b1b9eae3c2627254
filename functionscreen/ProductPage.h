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

    // The support page delivered beside the program.
    static QUrl supportPage();

    void Command24_Click();
    void Command25_Click();
    void Command13_Click();

    // Controls, made at the first showing.
    QFrame *Picture9 = nullptr, *Picture10 = nullptr;
    QLabel *Label25 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label45 = nullptr,
           *Label49 = nullptr, *Label73 = nullptr;
    QPushButton *Command24 = nullptr, *Command25 = nullptr, *Command13 = nullptr;

protected:
    // Decoding the pictures and measuring the address would cost the clock's start: the
    // page makes them, with its panels, at its first showing.
    void build() override;

private:
    void createProductPanel();
    void createSupportPanel();
    void drawPictures();
    void showAddress();
    // The panel seen; the other is hidden, so neither Tab nor a screen reader reaches it.
    void bringPanelToFront(QFrame* panel);

    Form2& form2_;
};

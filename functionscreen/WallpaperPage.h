#pragma once

#include "Page.h"

class Form2;
class QLabel;

// The wallpaper and resolution page.
class WallpaperPage : public Page {
    Q_OBJECT
public:
    WallpaperPage(Form2& form2, QWidget* parent);

    void fill();

    QLabel* Label21; // the screen's resolution, kept current by the function screen's timer

private:
    Form2& form2_;
};

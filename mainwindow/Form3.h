#pragma once

#include <QWidget>

class QLabel;

// The start-up logo, held on the screen for a few seconds while the program starts.
class Form3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int HoldMs = 6000;

    explicit Form3(int holdMs = HoldMs);

    // Shows the logo and paints it before start-up goes on.
    void showAndPaint();
    // Returns once the logo has been up for the hold time; user input waits meanwhile.
    void Unload();

    QLabel* Label1;

private:
    int holdMs_;
};

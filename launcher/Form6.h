#pragma once

#include <QWidget>
#include <functional>

class QFrame;
class QLabel;
class QTimer;

// "Now Loading..." while the simple launcher loads.
class Form6 : public QWidget {
    Q_OBJECT
public:
    explicit Form6(QWidget* owner);

    // What the timer opens; the launcher sets it.
    std::function<void()> showLauncher;

    void Timer1_Timer();

    QFrame* Frame1;
    QLabel* Label1;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int roundsLeft_ = 0;
};

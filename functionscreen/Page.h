#pragma once

#include <QFrame>

// One page of the function screen: a panel that lies with the others in one place.
class Page : public QFrame {
    Q_OBJECT
public:
    Page(const QString& name, int topTwips, QWidget* parent);

    static constexpr int LeftTwips = 0;
    static constexpr int TopTwips = 620;
    static constexpr int WidthTwips = 6420;
    static constexpr int HeightTwips = 4215;
};

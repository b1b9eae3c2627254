#pragma once

#include <QFrame>

class QLabel;

// One page of the function screen: a panel that lies with the others in one place.
class Page : public QFrame {
    Q_OBJECT
public:
    Page(const QString& name, int topTwips, QWidget* parent);

    // Makes the page's controls once: at its first showing, or when the function screen
    // is asked for something of the page before that. The clock starts without them.
    void ensureBuilt();
    bool isBuilt() const { return built_; }

    // Names a control as the design does and puts it at its place on the page.
    template <typename T> static T* place(T* widget, const char* name, const QRect& geometry) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setGeometry(geometry);
        return widget;
    }

    // Sets a value label's text; an empty one is hidden, so no reader announces a blank.
    static void showText(QLabel* label, const QString& text);

    static constexpr int FontPixels = 12;
    static constexpr int LeftTwips = 0;
    static constexpr int TopTwips = 620;
    static constexpr int WidthTwips = 6420;
    static constexpr int HeightTwips = 4215;

protected:
    // Creates the controls and shows in them what the page holds.
    virtual void build() = 0;
    // Shows the controls build() has made so far; for a build that waits on a box.
    void showMadeControls();
    void showEvent(QShowEvent* event) override;

private:
    bool built_ = false;
};

#pragma once

#include <QAbstractButton>

// A page button of the function screen: an icon over a caption that wraps to fit the
// narrow button.
class PageButton : public QAbstractButton {
    Q_OBJECT
public:
    PageButton(const QString& name, const QString& caption, const QIcon& icon, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

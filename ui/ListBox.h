#pragma once

#include <QListWidget>

// A list box that tells a screen reader of its current row only while it has the focus.
// Rows the program moves, in a partner list or in a hidden window, are not where the user is.
class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        if (hasFocus())
            QListWidget::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous);
    }
};

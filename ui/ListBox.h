#pragma once

#include <QListView>

// A list box on a model of texts, one row each. It tells a screen reader of its current row
// only while it has the focus: rows the program moves, in a partner list or in a hidden
// window, are not where the user is.
class ListBox : public QListView {
public:
    ListBox(QAbstractItemModel* model, QWidget* parent)
        : QListView(parent) {
        setModel(model);
        setEditTriggers(NoEditTriggers);
    }

    int count() const { return model()->rowCount(); }
    QString text(int row) const { return model()->index(row, 0).data().toString(); }
    int currentRow() const { return currentIndex().row(); }
    // Selects the row as a click does; -1 selects none.
    void setCurrentRow(int row) {
        selectionModel()->setCurrentIndex(model()->index(row, 0),
                                          QItemSelectionModel::ClearAndSelect);
    }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        if (hasFocus())
            QListView::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous);
    }
};

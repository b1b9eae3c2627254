#include "ui/JapaneseFileList.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace {

const QString FolderType = QStringLiteral("フォルダー");
constexpr int TypeColumn = 2;
constexpr int DateColumn = 3;

class JapaneseFileList : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == TypeColumn && files->isDir(source))
            return FolderType;
        if (index.column() == DateColumn)
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

void showFilesInJapanese(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new JapaneseFileList(&dialog));
    // Japanese types and dates are wider than the columns Qt gives them.
    if (auto* details = dialog.findChild<QTreeView*>()) {
        for (int column : {TypeColumn, DateColumn})
            details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

#pragma once

#include "core/LauncherFiles.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class Context;
class Form5;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

// The face of the launcher and its editor.
namespace launcherface {
inline const QString Face = QStringLiteral("ＭＳ ゴシック");
inline constexpr int Points = 9;
} // namespace launcherface

// "簡易ランチャー": five folders of six shortcut buttons. It owns the launcher's state while
// it is loaded; every load reads both files again.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(Context& context);
    ~Form4() override;

    // Runs the load sequence; the caller shows the window afterwards.
    void load();

    // Shows the launcher anew after a failed start; the launcher's host sets it.
    std::function<void()> showAgain;

    Context& context() const { return context_; }
    // The editor while it is open, else null.
    Form5* editor() const;
    // The editor's way out: the control that opened it has the focus again, however the
    // editor was closed.
    void focusOpener();

    // The state as the window shows it, and its two saves.
    QString slotPath(int slot) const;
    QString slotName(int slot) const;
    QString folderName(int folder) const;
    // The tab's caption and its page's accessible name; folder is 1 to 5.
    void setFolderName(int folder, const QString& name);
    void setSlot(int slot, const QString& path, const QString& name);
    bool saveSlots();
    bool saveFolders();

    void TabSa_Click();
    void FolNameX_Click();
    void Command1_Click(int index);
    void Command2_Click(int index);

    QTabWidget* TabSa;
    std::array<QFrame*, launcherfile::FolderCount> Picture1{};
    std::array<QPushButton*, launcherfile::SlotCount> Command1{};
    std::array<QLabel*, launcherfile::SlotCount> Label1{};
    std::array<QPushButton*, launcherfile::SlotCount> Command2{};
    QMenu* pMenu1;
    QAction* FolNameX;
    int currentPage = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createPage(int page);
    void createSlot(int slot);
    void showIcon(int slot);
    // The names a screen reader gives the slot's two buttons.
    void nameSlot(int slot);
    Form5* openEditor();
    // The launcher takes no input while the editor that opener opened is open.
    void disableForEditor(QWidget* opener);

    Context& context_;
    QPointer<Form5> editor_;
    // Disabling the launcher took the focus away from it.
    QPointer<QWidget> opener_;
};

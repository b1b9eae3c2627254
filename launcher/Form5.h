#pragma once

#include <QDialog>
#include <array>

class Form4;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// "モルベーン": the editor of one shortcut slot (panel P1) or one folder name (panel P2).
// The launcher is disabled while it is open; every way out enables it again.
class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(Form4& launcher);

    // Shortcut mode for slot comNo, and folder-name mode for tab tabNo (1 to 5).
    void openShortcut(int comNo);
    void openFolder(int tabNo, const QString& name);

    qint16 ComNo = 0;
    qint16 TabNo = 1;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    QFrame* P1;
    QLabel* Picture1;
    QLabel* Label2;
    QPushButton* Command1;
    std::array<QLabel*, 2> Label3{};
    QLineEdit* Text1;
    QPushButton* Command4;
    QPushButton* Command2;
    QPushButton* Command3;

    QFrame* P2;
    QLabel* Label1;
    QLineEdit* Text2;
    QPushButton* Command6;
    QPushButton* Command5;

public slots:
    // Escape and the window system's close count as the cancel button.
    void reject() override;

private:
    void createShortcutPanel();
    void createFolderPanel();
    void load();
    void showPreview(const QString& path);
    void bringToFront(QFrame* panel);
    void leave();

    Form4& launcher_;
};

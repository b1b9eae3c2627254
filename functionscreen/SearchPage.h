#pragma once

#include "Page.h"

#include <array>

class Form2;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

// The file search page: the files of one folder whose names match a wildcard pattern,
// and the times, size and attributes of the one clicked.
class SearchPage : public Page {
    Q_OBJECT
public:
    SearchPage(Form2& form2, QWidget* parent);

    // On a built page: Form2 builds it first when another window asks.
    void setSearchFiles();
    void getSearchFiles(const QString& specification);
    void HY_NoCheck();

    QLabel* Label55 = nullptr;
    QLineEdit* Text4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command16 = nullptr;
    QLabel* Label56 = nullptr;
    QLineEdit* Text5 = nullptr;
    QPushButton* Command15 = nullptr;
    QCheckBox* Check5 = nullptr;
    QLabel* Label57 = nullptr;
    QLabel* Label67 = nullptr;
    QListView* List2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label64 = nullptr;
    std::array<QLabel*, 4> Label66{};
    std::array<QLabel*, 5> Label70{};

protected:
    // Line edits lay out their text as they are made, which would start the font system
    // before the clock shows: the controls wait for the page's first use.
    void build() override;

private:
    void fillFileTypes();
    void createSearchControls();
    void createPropertyControls();
    void connectControls();
    void Combo1_Click(int index);
    void Command15_Click();
    void Command16_Click();
    void List2_Click(const QString& name);
    QStringList hits(const QString& folder, const QString& pattern) const;

    Form2& form2_;
    QStringListModel* hits_ = nullptr;
};

#pragma once

#include "Page.h"

#include <QStringList>

class Form2;
class QLabel;
class QListWidget;
class QPushButton;
class QSize;

// The wallpaper and resolution page.
class WallpaperPage : public Page {
    Q_OBJECT
public:
    WallpaperPage(Form2& form2, QWidget* parent);

    // The load's part: the list folder from bg.kvi and its bitmaps, the colour count; the
    // page shows them, and reads the wallpaper when it is built.
    void fill();
    // The resolution line, kept current by the function screen's timer.
    void showResolution(const QSize& screen);

    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command28_Click();
    void File1_Click();

    // Whether the bitmap list still waits for its folder's listing.
    bool listingPending() const { return listingPending_; }

    // Controls, made at the first showing.
    QLabel *Label20 = nullptr, *Label21 = nullptr, *Label23 = nullptr, *Label22 = nullptr,
           *Label5 = nullptr, *Label7 = nullptr, *Label68 = nullptr, *Label24 = nullptr,
           *Label8 = nullptr, *Label69 = nullptr, *Pic = nullptr;
    QListWidget* File1 = nullptr;
    QPushButton *Command28 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;

protected:
    // GSettings costs tens of milliseconds: the wallpaper is read here, not at the start.
    void build() override;

private:
    void createControls();
    void nameControls();
    void connectControls();
    // Takes folder and lists its bitmaps aside; the list fills when the listing is back.
    void showFolder(const QString& folder);
    void showBitmaps(quint64 request, const QStringList& names);
    void readColourCount();
    void readWallpaper();
    // Shows the picture at path in the preview; an empty path clears it.
    void preview(const QString& path);

    Form2& form2_;
    QString folder_;
    QStringList bitmaps_;
    QString colours_;
    QString resolution_;
    quint64 listingRequest_ = 0; // the latest listing asked for
    bool listingPending_ = false;
};

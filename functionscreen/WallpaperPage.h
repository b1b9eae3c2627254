#pragma once

#include "Page.h"

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

    // The load's part: the list folder from bg.kvi, the colour count, the wallpaper.
    void fill();
    // The resolution line, kept current by the function screen's timer.
    void showResolution(const QSize& screen);

    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command28_Click();
    void File1_Click();

    // Whether the wallpaper setting and the preview still wait for the page to show.
    bool wallpaperPending() const { return wallpaperPending_; }
    bool previewPending() const { return previewPending_; }
    // Whether the bitmap list still waits for its folder's listing.
    bool listingPending() const { return listingPending_; }

    QLabel *Label20, *Label21, *Label23, *Label22, *Label5, *Label7, *Label68, *Label24, *Label8,
        *Label69, *Pic;
    QListWidget* File1;
    QPushButton *Command28, *Command2, *Command3, *Command4;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void nameControls();
    void connectControls();
    // Shows folder and lists its bitmaps aside; the list fills when the listing is back.
    void showFolder(const QString& folder);
    void showBitmaps(quint64 request, const QStringList& names);
    void showColourCount();
    void readWallpaper();
    // The preview of path (empty: none), loaded now if the page is seen, else when it shows.
    void preview(const QString& path);
    void loadPreview();

    Form2& form2_;
    QString folder_;
    QString previewPath_;
    bool previewPending_ = false;
    bool wallpaperPending_ = false;
    quint64 listingRequest_ = 0; // the latest listing asked for
    bool listingPending_ = false;
};

#include "WallpaperPage.h"

#include "Form2.h"
#include "core/RecordFormat.h"
#include "platform/PictureFile.h"
#include "platform/Platform.h"
#include "ui/Aside.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/Registry.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString BitmapSuffix = QStringLiteral(".bmp");
const QString ResolutionFormat = QStringLiteral("%1×%2  ピクセル");
const QString ColourFormat = QStringLiteral("%1　色");
const QString PathHeading = QStringLiteral("壁紙のパス");
const QString PreviewHeading = QStringLiteral("壁紙");
const QString NoWallpaper = QStringLiteral("壁紙が設定されていません。");
const QString NoWallpaperName = QStringLiteral("壁紙ファイル名が取得できませんでした。");
const QString SetFailed = QStringLiteral("壁紙が設定できませんでした。");
const QString DefaultQuestion =
    QStringLiteral("現在のフォルダの位置をデフォルトにしますか？\n"
                   "次回起動時から以下のパスのビットマップを参照します。\n\n%1");
constexpr int HeadingHeight = 240;
constexpr int HeadingWidth = 1300;
const QChar Separator = u'/';
// Colour counts beyond 2^62 do not fit the count.
constexpr int MostBitsPerPixel = 62;

QString firstField(const QByteArray& bytes) {
    return record::Reader(bytes).readText();
}

// The folder's bitmaps in the listing's order, without folders, hidden and system files.
QStringList bitmapNames(Platform& platform, const QString& folder) {
    QStringList names;
    for (const DirectoryEntry& entry :
         platform.listDirectory(folder).value_or(QList<DirectoryEntry>{})) {
        if (!entry.directory && !entry.hidden && !entry.system &&
            entry.name.endsWith(BitmapSuffix, Qt::CaseInsensitive))
            names << entry.name;
    }
    return names;
}

} // namespace

WallpaperPage::WallpaperPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture3"), Page::TopTwips, parent)
    , form2_(form2) {}

void WallpaperPage::build() {
    createControls();
    nameControls();
    connectControls();
    showText(Label7, folder_);
    File1->addItems(bitmaps_);
    showText(Label22, colours_);
    showText(Label21, resolution_);
    // The reader may report a fault in a box: the page stands complete behind it.
    showMadeControls();
    readWallpaper();
}

void WallpaperPage::createControls() {
    using twips::rect;
    auto heading = [this](const QString& text, const char* name, int left, int top) {
        return place(new QLabel(text, this), name, rect(left, top, HeadingWidth, HeadingHeight));
    };
    Label20 = heading(QStringLiteral("現在の解像度"), "Label20", 120, 120);
    Label21 = place(new QLabel(this), "Label21", rect(1440, 120, 2175, 255));
    Label21->hide();
    Label23 = heading(QStringLiteral("現在の色数"), "Label23", 3720, 120);
    Label22 = place(new QLabel(this), "Label22", rect(4800, 120, 1335, 255));
    Label22->hide();
    Label5 = heading(QStringLiteral("一覧のパス"), "Label5", 120, 600);
    Label7 = place(new QLabel(this), "Label7", rect(120, 840, 4575, 255));
    Label7->hide();
    Command28 = place(new QPushButton(QStringLiteral("デフォルト"), this), "Command28",
                      rect(4800, 720, 1215, 375));
    Label68 = heading(PathHeading, "Label68", 120, 1200);
    Label24 = place(new QLabel(NoWallpaper, this), "Label24", rect(120, 1440, 6015, 255));
    Label8 = heading(QStringLiteral("BMP一覧"), "Label8", 120, 1800);
    Label69 = heading(PreviewHeading, "Label69", 2880, 1800);
    File1 = place(new QListWidget(this), "File1", rect(120, 2040, 2175, 2070));
    Pic = place(new QLabel(this), "Pic", rect(2280, 2040, 2535, 2055));
    Pic->setAlignment(Qt::AlignCenter);
    Command2 = place(new QPushButton(QStringLiteral("一覧の選択"), this), "Command2",
                     rect(4920, 2040, 1215, 375));
    Command3 = place(new QPushButton(QStringLiteral("壁紙を設定"), this), "Command3",
                     rect(4920, 2640, 1215, 375));
    Command4 = place(new QPushButton(QStringLiteral("壁紙の消去"), this), "Command4",
                     rect(4920, 3720, 1215, 375));
}

void WallpaperPage::nameControls() {
    Label8->setBuddy(File1);
    File1->setAccessibleName(Label8->text());
    Pic->setAccessibleName(PreviewHeading);
    for (auto [heading, value] :
         {std::pair{Label20, Label21}, {Label23, Label22}, {Label5, Label7}, {Label68, Label24}})
        value->setAccessibleDescription(heading->text());
}

void WallpaperPage::connectControls() {
    connect(Command2, &QPushButton::clicked, this, &WallpaperPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &WallpaperPage::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &WallpaperPage::Command4_Click);
    connect(Command28, &QPushButton::clicked, this, &WallpaperPage::Command28_Click);
    // A click, Return on a row, or a move of the current row by key picks it.
    connect(File1, &QListWidget::itemClicked, this, &WallpaperPage::File1_Click);
    connect(File1, &QListWidget::itemActivated, this, &WallpaperPage::File1_Click);
    connect(File1, &QListWidget::currentRowChanged, this, &WallpaperPage::File1_Click);
}

void WallpaperPage::fill() {
    const std::optional<QString> folder =
        datafile::parseFile<QString>(form2_.context().data, datafile::Wallpaper,
                                     std::function<QString(const QByteArray&)>(firstField));
    showFolder(folder.value_or(QString()));
    readColourCount();
    showResolution(form2_.context().platform.screenSize());
    if (isBuilt()) {
        Label68->setText(PathHeading);
        Label69->setText(PreviewHeading);
        readWallpaper();
    }
}

void WallpaperPage::showFolder(const QString& folder) {
    folder_ = folder;
    bitmaps_.clear();
    if (isBuilt()) {
        showText(Label7, folder);
        File1->clear();
    }
    // Only the latest folder's list is shown, however the listings overtake each other.
    const quint64 request = ++listingRequest_;
    listingPending_ = !folder.isEmpty();
    if (!listingPending_)
        return;
    // A folder on a mount that does not answer must not stop the window: the list fills
    // when the listing comes back.
    Platform& platform = form2_.context().platform;
    aside::run<QStringList>(
        this, [&platform, folder] { return bitmapNames(platform, folder); },
        [this, request](const QStringList& names) { showBitmaps(request, names); });
}

void WallpaperPage::showBitmaps(quint64 request, const QStringList& names) {
    if (request != listingRequest_)
        return;
    listingPending_ = false;
    bitmaps_ = names;
    if (isBuilt())
        File1->addItems(names);
}

void WallpaperPage::readColourCount() {
    const ColourDepth depth = form2_.context().platform.colourDepth();
    if (depth.bitsPerPixel < 0 || depth.bitsPerPixel > MostBitsPerPixel)
        return;
    colours_ = ColourFormat.arg((quint64(1) << depth.bitsPerPixel) * quint64(depth.planes));
    if (isBuilt())
        showText(Label22, colours_);
}

void WallpaperPage::showResolution(const QSize& screen) {
    resolution_ = ResolutionFormat.arg(screen.width()).arg(screen.height());
    if (isBuilt())
        showText(Label21, resolution_);
}

void WallpaperPage::readWallpaper() {
    QString path;
    const qint32 code =
        registry::GetRegStr(form2_.context().platform, registry::CurrentUser, registry::DesktopKey,
                            registry::WallpaperValue, path, this);
    if (code != 0) {
        showText(Label24, NoWallpaperName);
        return;
    }
    showText(Label24, path);
    preview(path);
}

void WallpaperPage::preview(const QString& path) {
    // A damaged, missing or oversized picture, or anything but a regular file, leaves the
    // preview empty.
    const QImage image = path.isEmpty()
                             ? QImage()
                             : picturefile::Picture(path).read(Pic->size() * devicePixelRatio());
    if (image.isNull()) {
        Pic->clear();
        return;
    }
    Pic->setPixmap(QPixmap::fromImage(image));
}

void WallpaperPage::File1_Click() {
    const QListWidgetItem* item = File1->currentItem();
    if (!item)
        return;
    const QString folder = folder_.endsWith(Separator) ? folder_ : folder_ + Separator;
    showText(Label24, folder + item->text());
    preview(Label24->text());
}

void WallpaperPage::Command2_Click() {
    if (const std::optional<QString> folder = dialogs::chooseFolder(this, folder_))
        showFolder(*folder);
}

void WallpaperPage::Command3_Click() {
    const bool set = form2_.context().platform.setWallpaper(Label24->text());
    Label68->setText(PathHeading);
    Label69->setText(PreviewHeading);
    if (!set)
        dialogs::message(this, SetFailed);
}

void WallpaperPage::Command4_Click() {
    const bool removed = form2_.context().platform.setWallpaper(QString());
    showText(Label24, NoWallpaper);
    preview(QString());
    if (!removed)
        dialogs::message(this, SetFailed);
}

void WallpaperPage::Command28_Click() {
    const QString folder = Label7->text();
    if (folder.isEmpty())
        return;
    // A folder the file cannot hold is refused before the question.
    if (const QString problem = record::textProblem(folder); !problem.isEmpty()) {
        form2_.context().save(datafile::Wallpaper, std::nullopt, problem);
        return;
    }
    if (dialogs::message(this, DefaultQuestion.arg(folder), dialogs::Style::YesNoQuestion) !=
        dialogs::Answer::Yes)
        return;
    record::Writer writer;
    writer.text(folder).endRecord();
    form2_.context().save(datafile::Wallpaper, writer.bytes(), writer.problem());
}

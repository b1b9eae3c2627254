#pragma once

#include <QHash>
#include <QLabel>
#include <optional>

// A label that reports the mouse: a picture button, or a title to drag by. A label with a
// tooltip is a picture button: it takes the focus, Space and Return press it, and
// accessibility tools see a button named by its tooltip.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& name, const QString& toolTip, QWidget* parent);

    bool isButton() const { return !toolTip().isEmpty(); }
    // Presses the button, as a click or a key does.
    void click();
    // The name a picture is announced by while this label shows it; a picture button keeps
    // its name and is described so. checked makes the button a toggle that reads as on or off
    // while it shows the picture.
    void namePicture(const QPixmap& picture, const QString& name,
                     std::optional<bool> checked = std::nullopt);
    QString pictureName() const;
    std::optional<bool> pictureChecked() const;

signals:
    void clicked();
    void pressed(QMouseEvent* event);
    void moved(QMouseEvent* event);
    void released(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct PictureName {
        QString name;
        std::optional<bool> checked;
    };
    QHash<qint64, PictureName> pictureNames_;
};

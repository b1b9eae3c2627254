#pragma once

#include "core/BoundedRead.h"

#include <QImage>
#include <QImageReader>
#include <QSize>

#include <memory>

// A picture file of the user's: a wallpaper, a desktop entry's icon. Opened as any file
// the program did not write, and measured by its header before anything is decoded, so a
// header that claims gigapixels costs nothing.
namespace picturefile {

// Larger than any screen or print needs; a header claiming more is damage or an attack.
inline constexpr int MaxSide = 16384;
inline constexpr qint64 MaxBytes = qint64(256) * 1024 * 1024;

class Picture {
public:
    explicit Picture(const QString& path)
        : device_(boundedread::openDevice(path, MaxBytes)) {
        if (!device_)
            return;
        reader_.setDevice(device_.get());
        const QSize size = reader_.size();
        if (size.isValid() && !size.isEmpty() && size.width() <= MaxSide &&
            size.height() <= MaxSide)
            size_ = size;
    }

    // A file of a picture format whose header gives a size this program accepts.
    bool ok() const { return size_.isValid(); }

    // The picture scaled to fit box, its proportions kept; null when it cannot be decoded.
    QImage read(const QSize& box) {
        if (!ok() || box.isEmpty())
            return {};
        reader_.setScaledSize(size_.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        return reader_.read();
    }

private:
    std::unique_ptr<QFile> device_;
    QImageReader reader_;
    QSize size_;
};

} // namespace picturefile

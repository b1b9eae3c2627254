#pragma once

#include "core/Variant.h"

#include <QByteArray>
#include <QString>
#include <optional>

// St.kvi: the nine settings fields in file order.
struct SettingsRecord {
    Variant iti;      // window lock: 0 movable, 1 fixed
    Variant front;    // always on top
    Variant almFro;   // raise the clock at an alarm
    QString rogo;     // start-up logo, "on" or "off"
    Variant tAmPm;    // 12 or 24
    qint16 ymd = 0;   // 0 long date, 1 short date
    qint16 ssVis = 0; // 1 hides the seconds
    Variant aset;     // alarm switched on
    Variant memMni;   // size mode 0, 1 or 2

    bool operator==(const SettingsRecord&) const = default;
};

// fiti.kvi: the clock window's top-left corner in twips.
struct PositionRecord {
    float left = 0;
    float top = 0;
    bool operator==(const PositionRecord&) const = default;
};

// fot.kvi: the face and colour of the clock's labels.
struct FontRecord {
    QString name;
    bool bold = false;
    QString italic;    // "#TRUE#" or "#FALSE#"; anything else leaves the face as it is
    qint32 colour = 0; // 0x00BBGGRR
    bool operator==(const FontRecord&) const = default;
};

namespace settingsfile {

// The logo field is matched exactly: "ON" is not "on".
inline const QString LogoOn = QStringLiteral("on");
inline const QString LogoOff = QStringLiteral("off");

// Each parse throws record::FormatError on a short or malformed file.
SettingsRecord parseSettings(const QByteArray& bytes);
PositionRecord parsePosition(const QByteArray& bytes);
FontRecord parseFont(const QByteArray& bytes);

// Each write gives the bytes, or nothing when a text cannot be stored (see problem).
std::optional<QByteArray> writeSettings(const SettingsRecord& record, QString* problem = nullptr);
std::optional<QByteArray> writePosition(const PositionRecord& record, QString* problem = nullptr);
std::optional<QByteArray> writeFont(const FontRecord& record, QString* problem = nullptr);

} // namespace settingsfile

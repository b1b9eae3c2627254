#pragma once

#include <QString>
#include <QStringList>

// The Data folder, where every data file lives: beside the executable, or in the user's own
// data folder for a system install (core/InstallLayout.h chooses).
class DataFolder {
public:
    explicit DataFolder(const QString& parentFolder);

    QString folder() const { return folder_; }
    QString path(const QString& fileName) const;

private:
    QString folder_;
};

// The data files, each named once.
namespace datafile {
inline const QString Settings = QStringLiteral("St.kvi");
inline const QString Position = QStringLiteral("fiti.kvi");
inline const QString Font = QStringLiteral("fot.kvi");
inline const QString Alarms = QStringLiteral("alarmset.kvi");
inline const QString Wallpaper = QStringLiteral("bg.kvi");
inline const QString Folders = QStringLiteral("Fold.kvi");
inline const QString Shortcuts = QStringLiteral("Shtcut.kvi");
inline const QStringList AllFiles = {Settings,  Position, Font,     Alarms,
                                     Wallpaper, Folders,  Shortcuts};
} // namespace datafile

#pragma once

#include <QString>

// The Data folder beside the executable, where every data file lives.
class DataFolder {
public:
    explicit DataFolder(const QString& executableFolder);

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
} // namespace datafile

#pragma once

#include <QByteArray>
#include <QString>

// The system page's figures, from what the operating system reports.
namespace systemfigures {

struct Release {
    int major = 0;
    int minor = 0;
    int build = 0;
};

// "major．minor", with the full-width point: 4．10, 5．0.
QString versionText(int major, int minor);

// The first three numbers of a kernel release such as "6.12.57+deb13-amd64"; each is the
// digits its field starts with, 0 where there are none.
Release parseRelease(const QString& release);

// PRETTY_NAME of an os-release file, unquoted; empty when it has none.
QString prettyName(const QByteArray& osRelease);

} // namespace systemfigures

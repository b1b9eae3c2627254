#include "core/InstallLayout.h"
#include "HostileFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Delivered = QStringLiteral(MORVANE_SOURCE_DIR "/Data");
const QString DataHome = QStringLiteral("/home/user/.local/share");

// A program folder beside a Data folder, and a system install unpacked under a root.
struct Installs {
    QTemporaryDir root;
    QString portable = root.filePath(QStringLiteral("Morvane"));
    QString system = root.filePath(QStringLiteral("usr/lib/morvane"));
    QString shared = root.filePath(QStringLiteral("usr/share/morvane"));
    Installs() {
        QDir().mkpath(portable + QStringLiteral("/Data"));
        QDir().mkpath(system);
        QDir().mkpath(shared + QStringLiteral("/Data"));
    }
};

} // namespace

TEST(InstallLayout, DataStaysBesideTheExecutableUnlessTheInstallIsTheSystems) {
    Installs i;
    const QString user = DataHome + QStringLiteral("/morvane");
    const QString empty = i.root.filePath(QStringLiteral("empty"));
    struct Case {
        QString folder;
        bool writable;
        installlayout::DataChoice expected;
    };
    const Case cases[] = {
        {i.portable, true, {i.portable, {}}},
        {i.portable, false, {user, i.portable + QStringLiteral("/Data")}},
        // Nothing to tell it by: the repairs make Data there, as before.
        {empty, true, {empty, {}}},
        {i.system, false, {user, i.shared + QStringLiteral("/Data")}},
        // root may write /usr, but the system install stays as the package made it.
        {i.system, true, {user, i.shared + QStringLiteral("/Data")}},
    };
    for (const Case& c : cases) {
        const installlayout::DataChoice choice =
            installlayout::chooseData(c.folder, c.writable, DataHome);
        EXPECT_EQ(choice.parent, c.expected.parent) << c.folder.toStdString() << c.writable;
        EXPECT_EQ(choice.delivered, c.expected.delivered) << c.folder.toStdString() << c.writable;
    }

    EXPECT_EQ(installlayout::userDataHome(QStringLiteral("/x/data/"), QStringLiteral("/h")),
              QStringLiteral("/x/data"));
    for (const QString& unusable : {QString(), QStringLiteral("relative/data")})
        EXPECT_EQ(installlayout::userDataHome(unusable, QStringLiteral("/h")),
                  QStringLiteral("/h/.local/share"));

    const QString page = QStringLiteral("support.html");
    hostile::writeAll(i.portable + QStringLiteral("/support.html"), "<html>");
    hostile::writeAll(i.shared + QStringLiteral("/support.html"), "<html>");
    EXPECT_EQ(installlayout::deliveredFile(i.portable, page), i.portable + u'/' + page);
    EXPECT_EQ(installlayout::deliveredFile(i.system, page), i.shared + u'/' + page);
    EXPECT_EQ(installlayout::deliveredFile(empty, page), empty + u'/' + page);
}

TEST(InstallLayout, TheFirstStartFillsTheUsersNewFolderAndNeverTouchesAnExistingOne) {
    Installs i;
    for (const QString& name : datafile::AllFiles)
        ASSERT_TRUE(
            QFile::copy(Delivered + u'/' + name, i.shared + QStringLiteral("/Data/") + name));
    const QString dataHome = i.root.filePath(QStringLiteral("home/.local/share"));
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const DataFolder data = installlayout::dataFolderForThisUser(i.system);
    qputenv("XDG_DATA_HOME", saved);
    ASSERT_EQ(data.folder(), dataHome + QStringLiteral("/morvane/Data"));
    // Whole files under their names, and no temporary file left beside them.
    EXPECT_EQ(hostile::namesIn(data.folder()).size(), datafile::AllFiles.size());
    for (const QString& name : datafile::AllFiles)
        EXPECT_EQ(hostile::readAll(data.path(name)), hostile::readAll(Delivered + u'/' + name))
            << name.toStdString();

    // A folder that is there is the user's: nothing is added or replaced.
    hostile::writeAll(data.path(datafile::Settings), "1,1,1,\"off\",24,1,1,1,2\r\n");
    QFile::remove(data.path(datafile::Font));
    installlayout::fillNewFolder(Delivered, data.folder());
    EXPECT_EQ(hostile::readAll(data.path(datafile::Settings)), "1,1,1,\"off\",24,1,1,1,2\r\n");
    EXPECT_FALSE(QFileInfo::exists(data.path(datafile::Font)));
}

#include "ui/Startup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace startup {
namespace {

const QStringList GothicFaces = {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                                 QStringLiteral("Noto Sans Mono CJK JP"),
                                 QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic")};
const QStringList ProportionalFaces = {
    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"), QStringLiteral("VL PGothic")};
const QString UiFace = QStringLiteral("ＭＳ Ｐゴシック");
constexpr int UiPointSize = 9;
constexpr char PlatformVariable[] = "QT_QPA_PLATFORM";
// Wayland stays the fallback, should the X server of the session not answer.
constexpr char X11First[] = "xcb;wayland";

} // namespace

bool chooseX11UnderWayland() {
    if (qEnvironmentVariableIsSet(PlatformVariable) ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    return qputenv(PlatformVariable, X11First);
}

void forgetPlatformChoice() {
    qunsetenv(PlatformVariable);
}

void registerFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), GothicFaces);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), GothicFaces);
    QFont::insertSubstitutions(UiFace, ProportionalFaces);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), ProportionalFaces);
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), ProportionalFaces);
    QApplication::setFont(QFont(UiFace, UiPointSize));
}

void installJapanese(QApplication& app) {
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt Multimedia shows no text of its own, so Qt's base catalogue is all the program needs.
    for (const char* catalogue : {"qtbase"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(japanese, QString::fromLatin1(catalogue), QStringLiteral("_"), folder))
            app.installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace startup

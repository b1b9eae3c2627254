#pragma once

#include "AppInfo.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>

class QWidget;

// Every modal message box and every file, folder, font or colour dialog goes through
// here, so that a test can answer it.
namespace dialogs {

// The button and icon combinations the program uses, by their classic codes.
enum class Style {
    Ok = 0,
    OkError = 16,
    OkCancelStop = 17,
    YesNoStop = 20,
    YesNoQuestion = 36,
    OkExclamation = 48,
};

enum class Answer { Ok, Cancel, Yes, No };

Answer message(QWidget* parent, const QString& text, Style style = Style::Ok,
               const QString& title = appinfo::Title);

// filter is "description|pattern|description|pattern..."; nothing when cancelled.
std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter);
std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial);
std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial);
std::optional<QString> chooseFolder(QWidget* parent, const QString& start);

// Qt's filter text for a "description|pattern|..." filter.
QStringList qtFilters(const QString& filter);

// The test seam: while a script is active, every dialog takes the next scripted reply
// instead of showing itself, and is recorded.
namespace script {

struct Cancel {};
using Reply = std::variant<Answer, QString, QFont, QColor, Cancel>;

struct Shown {
    QString kind; // "message", "file", "font", "colour", "folder"
    QString title;
    QString text; // the message, or the file filter
    Style style = Style::Ok;
};

// Starts scripting; unexpected is called for a dialog that has no reply waiting.
void begin(std::function<void(const Shown&)> unexpected);
void end();
bool active();
void push(const Reply& reply);
bool exhausted();
const QList<Shown>& shown();

} // namespace script
} // namespace dialogs

#pragma once

#include "core/AppInfo.h"

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
    // As OkCancelStop, with the second button, Cancel, as the default (MB_DEFBUTTON2): a
    // stray Return must not confirm what cannot be undone.
    OkCancelStopCancelDefault = 17 + 256,
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

// Closes a dialog without a choice; a message box gives the answer of its escape button.
struct Cancel {};
// Answers a message box after running meanwhile, as if the box's own event loop ran it.
struct WhileOpen {
    std::function<void()> meanwhile;
    Answer answer = Answer::Ok;
};
using Reply = std::variant<Answer, QString, QFont, QColor, Cancel, WhileOpen>;

struct Shown {
    QString kind; // "message", "file", "font", "colour", "folder"
    QString title;
    QString text; // the message, or the file filter
    Style style = Style::Ok;
};

// Starts scripting; fault is called for a dialog that has no reply waiting, or whose
// reply is of another kind than the dialog gives (a file name for a message box ...).
void begin(std::function<void(const Shown&, const QString& fault)> fault);
void end();
bool active();
void push(const Reply& reply);
// How many pushed replies no dialog has taken yet.
qsizetype unused();
const QList<Shown>& shown();

} // namespace script
} // namespace dialogs

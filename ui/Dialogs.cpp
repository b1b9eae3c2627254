#include "ui/Dialogs.h"

#include "ui/JapaneseFileList.h"
#include "ui/Phrases.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>
#include <deque>

namespace dialogs {
namespace {

struct Script {
    bool active = false;
    std::deque<script::Reply> replies;
    QList<script::Shown> shown;
    std::function<void(const script::Shown&, const QString&)> fault;
};

Script& theScript() {
    static Script s;
    return s;
}

// The scripted reply for a dialog, when a script is active.
std::optional<script::Reply> scripted(const script::Shown& shown) {
    Script& s = theScript();
    if (!s.active)
        return std::nullopt;
    s.shown.append(shown);
    if (s.replies.empty()) {
        if (s.fault)
            s.fault(shown, QStringLiteral("no reply was scripted"));
        return script::Reply(script::Cancel{});
    }
    script::Reply reply = s.replies.front();
    s.replies.pop_front();
    return reply;
}

// A reply of another kind than the dialog gives is a fault of the test, not a cancel.
void wrongKind(const script::Reply& reply) {
    Script& s = theScript();
    if (s.fault && !std::holds_alternative<script::Cancel>(reply))
        s.fault(s.shown.constLast(), QStringLiteral("the scripted reply is of another kind"));
}

template <typename T> std::optional<T> replyAs(const script::Reply& reply) {
    if (const T* value = std::get_if<T>(&reply))
        return *value;
    wrongKind(reply);
    return std::nullopt;
}

QMessageBox::Icon iconOf(Style style) {
    switch (style) {
    case Style::OkError:
    case Style::OkCancelStop:
    case Style::OkCancelStopCancelDefault:
    case Style::YesNoStop:
        return QMessageBox::Critical;
    case Style::YesNoQuestion:
        return QMessageBox::Question;
    case Style::OkExclamation:
        return QMessageBox::Warning;
    case Style::Ok:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Style style) {
    switch (style) {
    case Style::OkCancelStop:
    case Style::OkCancelStopCancelDefault:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Style::YesNoStop:
    case Style::YesNoQuestion:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

// A box closed without choosing gives the answer of its escape button.
Answer defaultAnswer(Style style) {
    const auto buttons = buttonsOf(style);
    if (buttons & QMessageBox::No)
        return Answer::No;
    if (buttons & QMessageBox::Cancel)
        return Answer::Cancel;
    return Answer::Ok;
}

Answer scriptedAnswer(const script::Reply& reply, Style style) {
    if (const auto* open = std::get_if<script::WhileOpen>(&reply)) {
        open->meanwhile();
        return open->answer;
    }
    return replyAs<Answer>(reply).value_or(defaultAnswer(style));
}

// Gives the focus back to the control that opened a dialog, however the dialog was closed:
// the window system does not always hand it back to the window under the dialog, and
// until something has the focus neither Tab nor a screen reader can go on.
class FocusReturn {
public:
    // The opener is the control with the focus in the dialog's own window.
    explicit FocusReturn(QWidget* parent)
        : control_(parent ? parent->window()->focusWidget() : nullptr) {
        if (!control_)
            control_ = QApplication::focusWidget();
    }
    ~FocusReturn() {
        if (!control_ || !control_->isVisible() || !control_->isEnabled())
            return;
        control_->window()->activateWindow();
        control_->setFocus(Qt::OtherFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> control_;
};

} // namespace

Answer message(QWidget* parent, const QString& text, Style style, const QString& title) {
    if (auto reply = scripted({QStringLiteral("message"), title, text, style}))
        return scriptedAnswer(*reply, style);
    const FocusReturn focus(parent);
    QMessageBox box(iconOf(style), title, text, buttonsOf(style), parent);
    if (style == Style::OkCancelStopCancelDefault)
        box.setDefaultButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::ApplicationModal);
    phrases::giveRoom(box);
    return answerOf(box.exec());
}

QStringList qtFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // A description that already ends with its patterns is shown as it stands.
        const QString shown = u'(' + patterns + u')';
        filters << (parts[i].endsWith(shown) ? parts[i]
                                             : QStringLiteral("%1 %2").arg(parts[i], shown));
    }
    return filters;
}

std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter) {
    if (auto reply = scripted({QStringLiteral("file"), title, filter, Style::Ok}))
        return replyAs<QString>(*reply);
    const FocusReturn focus(parent);
    QFileDialog dialog(parent, title);
    showFilesInJapanese(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) {
    if (auto reply = scripted({QStringLiteral("font"), {}, initial.family(), Style::Ok}))
        return replyAs<QFont>(*reply);
    const FocusReturn focus(parent);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) {
    if (auto reply = scripted({QStringLiteral("colour"), {}, initial.name(), Style::Ok}))
        return replyAs<QColor>(*reply);
    const FocusReturn focus(parent);
    const QColor colour = QColorDialog::getColor(initial, parent);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

std::optional<QString> chooseFolder(QWidget* parent, const QString& start) {
    if (auto reply = scripted({QStringLiteral("folder"), {}, start, Style::Ok}))
        return replyAs<QString>(*reply);
    const FocusReturn focus(parent);
    QFileDialog dialog(parent, {}, start);
    showFilesInJapanese(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

namespace script {

void begin(std::function<void(const Shown&, const QString&)> fault) {
    theScript() = Script{true, {}, {}, std::move(fault)};
}

void end() {
    theScript() = Script{};
}

bool active() {
    return theScript().active;
}

void push(const Reply& reply) {
    theScript().replies.push_back(reply);
}

qsizetype unused() {
    return qsizetype(theScript().replies.size());
}

const QList<Shown>& shown() {
    return theScript().shown;
}

} // namespace script
} // namespace dialogs

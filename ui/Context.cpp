#include "ui/Context.h"

#include "ui/Dialogs.h"

Context::Context(Platform& platform, const Clock& clock, const DataFolder& data,
                 std::function<void()> endProgram)
    : platform(platform)
    , clock(clock)
    , data(data)
    , endProgram_(std::move(endProgram)) {}

bool Context::save(const QString& fileName, const std::optional<QByteArray>& bytes,
                   const QString& problem) {
    if (writesClosed_)
        return true;
    if (!bytes) {
        notify(QStringLiteral("「%1」に保存できませんでした。\n%2").arg(fileName, problem));
        return false;
    }
    // Settings are saved at every change, often with the same values: those need no write.
    if (datafile::readBytes(data.path(fileName)) == *bytes)
        return true;
    const QString reason = datafile::writeAtomically(data.path(fileName), *bytes);
    if (reason.isEmpty())
        return true;
    // During the start, every failed save joins the one message of the start.
    notify(datafile::writeFailureMessage(fileName, reason));
    return false;
}

void Context::notify(const QString& text) {
    // A file that cannot be written fails the same way at each save of the start.
    if (!pending_.contains(text))
        pending_.append(text);
    if (held_ == 0)
        releaseNotices();
}

void Context::releaseNotices() {
    if (held_ > 0)
        --held_;
    if (held_ > 0 || pending_.isEmpty())
        return;
    const QString text = pending_.join(QStringLiteral("\n\n"));
    pending_.clear();
    dialogs::message(nullptr, text, dialogs::Style::OkExclamation);
}

#pragma once

#include "core/Clock.h"
#include "core/DataFile.h"
#include "core/DataFolder.h"

#include <QStringList>
#include <functional>
#include <optional>

class Platform;
class QWidget;

// What every window needs from outside: the operating system, the clock, the data folder
// and the way the program ends.
class Context {
public:
    Context(Platform& platform, const Clock& clock, const DataFolder& data,
            std::function<void()> endProgram);

    Platform& platform;
    const Clock& clock;
    const DataFolder data;

    // Ends the process at once, as every exit of the program does.
    void endProgram() const { endProgram_(); }

    // Closed for a copy of the program that another copy's lock refuses: from then on it
    // reads but writes nothing, repairs nothing and says nothing of its files.
    void closeWrites() { writesClosed_ = true; }

    // Reads a data file, putting a missing or damaged one right and telling the user.
    template <typename T>
    T load(const QString& fileName, const std::function<T(const QByteArray&)>& parse);

    // Writes a data file; a failure is told to the user as a notice (so it waits while
    // notices are held, and joins the start's one message) and the program goes on.
    // bytes is empty when a text could not be stored; problem then says why.
    bool save(const QString& fileName, const std::optional<QByteArray>& bytes,
              const QString& problem = {});

    // Notices wait while held and are then told in one message box.
    void holdNotices() { ++held_; }
    void releaseNotices();
    void notify(const QString& text);

private:
    std::function<void()> endProgram_;
    bool writesClosed_ = false;
    int held_ = 0;
    QStringList pending_;
};

template <typename T>
T Context::load(const QString& fileName, const std::function<T(const QByteArray&)>& parse) {
    if (writesClosed_) {
        std::optional<T> value = datafile::parseFile<T>(data, fileName, parse);
        return value ? *std::move(value) : parse(datafile::deliveredDefault(fileName));
    }
    datafile::Repair repair;
    T value = datafile::load<T>(data, fileName, parse, repair);
    if (!repair.recovered.isEmpty())
        notify(repair.recovered);
    if (!repair.writeFailure.isEmpty())
        notify(repair.writeFailure);
    return value;
}

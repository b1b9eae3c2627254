#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Things that may lie where a program expects a file, for tests on a real file system.
namespace hostile {

// A FIFO at path; false when it cannot be made.
bool makeFifo(const QString& path);
// A symbolic link at path pointing to target (as written, so it may be relative).
bool makeLink(const QString& target, const QString& path);
bool isLink(const QString& path);
QString linkTarget(const QString& path);

// Runs call and tells whether it returned within the deadline. A call still stuck then is
// released by opening each FIFO of release for writing, so that the test can go on.
bool returnsWithin(int milliseconds, const std::function<void()>& call,
                   const QStringList& release = {});

// Opens each FIFO for writing once the time is up, unless destroyed before: a call on
// the test's own thread that blocks in open() then returns and the test fails instead of
// hanging.
class FifoRelease {
public:
    FifoRelease(QStringList fifos, int milliseconds);
    ~FifoRelease();
    bool fired() const;

private:
    struct State;
    std::shared_ptr<State> state_;
};

// The names in folder, sorted, without "." and "..".
QStringList namesIn(const QString& folder);

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace hostile

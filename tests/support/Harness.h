#pragma once

#include "FakeClock.h"
#include "FakePlatform.h"
#include "mainwindow/Form1.h"
#include "ui/Context.h"

#include <QTemporaryDir>
#include <memory>

// A program install in a temporary folder, with the fake platform and clock, and every
// dialog scripted: a dialog that the test did not answer fails the test.
class Harness {
public:
    Harness();
    ~Harness();

    // The delivered Data folder; then these files replaced (or removed when bytes is null).
    void setFile(const QString& name, const QByteArray& bytes);
    void removeFile(const QString& name);
    QByteArray file(const QString& name) const;
    QString dataPath(const QString& name) const;

    // Creates the clock window and runs its start-up.
    Form1& start();
    Form1& form1() { return *form1_; }
    Form2& form2() { return form1_->F2(); }
    // Whether the function screen is on the screen, without loading it.
    bool form2Visible() const;

    QTemporaryDir folder;
    FakePlatform platform;
    FakeClock clock;
    DataFolder data;
    Context context;
    int ended = 0;
    // The start-up logo's hold: long enough to be seen, far shorter than the program's.
    int logoHoldMs = 300;

private:
    std::unique_ptr<Form1> form1_;
};

// A page of the function screen with its controls made, as its first showing makes them.
template <typename P> P& built(P* page) {
    page->ensureBuilt();
    return *page;
}

// CP932 bytes of a UTF-8 text, each line ended by CR LF.
QByteArray cp932Lines(const QStringList& lines);

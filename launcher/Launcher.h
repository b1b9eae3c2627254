#pragma once

#include <QObject>
#include <QPointer>

class Context;
class Form4;
class QWidget;

// Keeps the launcher window: showing it loads it when it is not loaded, and only brings it
// forward when it is; closing it unloads it.
class Launcher : public QObject {
    Q_OBJECT
public:
    Launcher(Context& context, QWidget* owner);
    ~Launcher() override;

    void show();
    // The launcher window while it is loaded, else null.
    Form4* form4() const;

private:
    Context& context_;
    QPointer<Form4> form4_;
};

#include "Launcher.h"

#include "Form4.h"

Launcher::Launcher(Context& context, QWidget* owner)
    : QObject(owner)
    , context_(context) {}

Launcher::~Launcher() {
    delete form4_;
}

Form4* Launcher::form4() const {
    // A closed window is gone, though Qt deletes it only at the next turn of the event loop.
    return form4_ && form4_->isVisible() ? form4_.data() : nullptr;
}

void Launcher::show() {
    if (Form4* shown = form4()) {
        shown->raise();
        shown->activateWindow();
        return;
    }
    form4_ = new Form4(context_);
    form4_->showAgain = [this] { show(); };
    form4_->load();
    form4_->show();
    form4_->activateWindow();
}

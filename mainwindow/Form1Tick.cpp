// The clock window's 250 ms tick: time, date, summary, alarm judgement and memory meter.
#include "Form1.h"
#include "core/AlarmTable.h"
#include "core/MemoryFigures.h"
#include "core/Patterns.h"
#include "functionscreen/AlarmPage.h"
#include "functionscreen/Form2.h"
#include "functionscreen/SettingsPage.h"
#include "functionscreen/SystemPage.h"
#include "platform/Platform.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/Context.h"
#include "ui/Pictures.h"

#include <QLabel>
#include <QProgressBar>
#include <QScopedValueRollback>

namespace {
const QString SummarySeparator = QStringLiteral(" / ");

void showLamp(QLabel* lamp, bool lit, const QColor& litColour) {
    colours::setText(lamp, lit ? litColour : colours::DimLamp);
    const QString state = lit ? colours::LampLit : colours::LampDim;
    // Four ticks a second: a reader is told only of a change.
    if (lamp->accessibleDescription() != state)
        lamp->setAccessibleDescription(state);
}
} // namespace

void Form1::Timer1_Timer() {
    // A message box opened inside a tick runs its own event loop, which fires the timer
    // again; that tick would judge the alarm against a half-loaded function screen.
    if (ticking_)
        return;
    {
        const QScopedValueRollback guard(ticking_, true);
        // Notices of a reload of the function screen wait until the tick is complete.
        context_.holdNotices();
        tick();
    }
    context_.releaseNotices();
}

void Form1::tick() {
    followSystemMove();
    SettingsPage& settings = *F2().Picture7;
    // The window system's answer costs a round trip: asked only for a page that shows it.
    settings.showPosition(place(settings.isVisible() ? Ask::WindowSystem : Ask::Qt));
    // One reading of the clock serves the whole tick, so its texts agree with each other.
    const ClockTexts& texts = clockTexts_.at(context_.clock.now());
    Label1->setText(texts.twelveHour);
    Label12->setText(Label17->text().right(2));
    Label4->setText(texts.hours);
    setTimeAndLamps(texts, colours::text(Label2));
    showDate(texts);
    Label10->setText(settings_.MemMni().is(2) ? summaryLine(texts) : QString());
    Label3->setText(texts.seconds);
    AlmHantei();
    MemCheck();
    showAlarmLamp();
}

void Form1::setTimeAndLamps(const ClockTexts& texts, const QColor& litColour) {
    const Variant& mode = settings_.TTAmPm();
    if (mode.is(24)) {
        Label17->setText(texts.twentyFourHour);
        showLamp(tAM, false, litColour);
        showLamp(tPM, false, litColour);
    } else if (mode.is(12)) {
        const QString twelve = Label1->text();
        QString time = twelve.left(5);
        while (time.endsWith(u' '))
            time.chop(1);
        Label17->setText(time);
        const bool morning = twelve.right(2) == patterns::Am;
        const bool afternoon = twelve.right(2) == patterns::Pm;
        if (morning || afternoon) {
            showLamp(tAM, morning, litColour);
            showLamp(tPM, afternoon, litColour);
        }
    }
}

void Form1::showDate(const ClockTexts& texts) {
    const qint16 ymd = settings_.YMD();
    if (ymd == 0)
        Label2->setText(texts.longDate);
    else if (ymd == 1)
        Label2->setText(texts.shortDate);
}

QString Form1::summaryLine() const {
    return summaryLine(clockTexts_.at(context_.clock.now()));
}

QString Form1::summaryLine(const ClockTexts& texts) const {
    const QString& time = settings_.TTAmPm().is(12) ? texts.twelveHour : texts.twentyFourHour;
    return texts.monthDay + SummarySeparator + time + SummarySeparator + Label9->text();
}

void Form1::AlmHantei() {
    const QString minutes = Label12->text();
    if (minutes == QLatin1String("59") || minutes == QLatin1String("29"))
        almGuard_ = 0;
    const int hour = Label4->text().toInt();
    for (const auto& [mark, slot] : {std::pair{"00", 2 * hour}, std::pair{"30", 2 * hour + 1}}) {
        if (!settings_.Aset().is(1) || almGuard_ != 0 || minutes != QLatin1String(mark))
            continue;
        const QString sound = F2().Picture4->pickSlot(slot);
        if (sound != alarmtable::NoSound) {
            context_.platform.playSound(sound);
            if (settings_.AlmFro().is(1))
                context_.platform.setTopmost(this, true);
        }
        almGuard_ = 1;
        almRaise_ = 1;
    }
    if (almRaise_ == 1 && settings_.Front().is(0)) {
        context_.platform.setTopmost(this, false);
        almRaise_ = 0;
    }
}

void Form1::MemCheck() {
    const MemoryStatus status = context_.platform.memoryStatus();
    const MemoryFigures figures =
        MemoryFigures::fromBytes(status.totalPhysical, status.availablePhysical);
    const MeterTexts& texts = meterTexts_.of(figures);
    F2().Picture1->showMemory(texts);
    Label7->setText(texts.total);
    Label6->setText(texts.used);
    Label9->setText(texts.free);
    PB->setMinimum(0);
    PB->setMaximum(int(figures.total));
    PB->setValue(int(figures.free));
}

#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// What the function screen asks of the clock window: the face and colour of its figures.
// The clock window answers; the function screen never reaches into its controls.
class ClockWindow {
public:
    // The face the time really shows: the family the system put in for the stored name,
    // with the time's size, bold and italic.
    virtual QFont clockFace() const = 0;
    // The family as stored, which the settings page names.
    virtual QString faceName() const = 0;
    virtual QColor textColour() const = 0;
    // The family, bold and italic of the date, the seconds and the time; their sizes stay.
    virtual void applyClockFace(const QFont& face) = 0;
    // The colour of the date, the seconds, the time and the AM/PM lamps.
    virtual void applyTextColour(const QColor& colour) = 0;

protected:
    ~ClockWindow() = default;
};

#pragma once

#include "core/Clock.h"

class FakeClock : public Clock {
public:
    QDateTime time = QDateTime(QDate(2002, 7, 15), QTime(15, 7, 9));
    QDateTime now() const override { return time; }
    void set(int hour, int minute, int second = 0) { time.setTime(QTime(hour, minute, second)); }
};

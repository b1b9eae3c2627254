#include "core/Patterns.h"

namespace patterns {
namespace {

const QString JapaneseDays[] = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
                                QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土"),
                                QStringLiteral("日")};
const QString EnglishDays[] = {QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                               QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                               QStringLiteral("Sun")};

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

QString japaneseDay(const QDate& date) {
    return JapaneseDays[date.dayOfWeek() - 1];
}

} // namespace

QString hmmAmPm(const QTime& time) {
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12)
        .arg(twoDigits(time.minute()), time.hour() < 12 ? Am : Pm);
}

QString hmm(const QTime& time) {
    return QStringLiteral("%1:%2").arg(time.hour()).arg(twoDigits(time.minute()));
}

QString hh(const QTime& time) {
    return twoDigits(time.hour());
}

QString ss(const QTime& time) {
    return twoDigits(time.second());
}

QString longDate(const QDate& date) {
    return QStringLiteral("%1年%2月%3日(%4)")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(japaneseDay(date));
}

QString shortDate(const QDate& date) {
    return QStringLiteral("%1/%2/%3 (%4)")
        .arg(twoDigits(date.year() % 100))
        .arg(date.month())
        .arg(date.day())
        .arg(EnglishDays[date.dayOfWeek() - 1]);
}

QString monthDayJapanese(const QDate& date) {
    return QStringLiteral(" %1月%2日(%3)").arg(date.month()).arg(date.day()).arg(japaneseDay(date));
}

QString hashes(qint64 value) {
    return value == 0 ? QString() : QString::number(value);
}

} // namespace patterns

const ClockTexts& ClockTexts::at(const QDateTime& now) {
    QDateTime second = now;
    second.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    if (second == second_)
        return *this;
    second_ = second;
    twelveHour = patterns::hmmAmPm(now.time());
    twentyFourHour = patterns::hmm(now.time());
    hours = patterns::hh(now.time());
    seconds = patterns::ss(now.time());
    longDate = patterns::longDate(now.date());
    shortDate = patterns::shortDate(now.date());
    monthDay = patterns::monthDayJapanese(now.date());
    return *this;
}

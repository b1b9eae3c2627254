#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// The date, time and number patterns of the display, with the same output whatever the
// machine's regional settings.
namespace patterns {

QString hmmAmPm(const QTime& time);          // "h:mm ampm": 3:07 午後
QString hmm(const QTime& time);              // "h:mm": 15:07
QString hh(const QTime& time);               // "hh": 09
QString ss(const QTime& time);               // "ss": 09
QString longDate(const QDate& date);         // "yyyy年m月d日(aaa)": 2002年7月15日(月)
QString shortDate(const QDate& date);        // "yy/m/d (ddd)": 02/7/15 (Mon)
QString monthDayJapanese(const QDate& date); // " m月d日(aaa)": a space, then 7月15日(月)
QString hashes(qint64 value);                // "###": nothing for 0

inline const QString Am = QStringLiteral("午前");
inline const QString Pm = QStringLiteral("午後");

} // namespace patterns

// The texts of one moment in every pattern of the clock, made again only when the second
// changes: the clock asks for them four times a second.
class ClockTexts {
public:
    const ClockTexts& at(const QDateTime& now);

    QString twelveHour;     // "h:mm ampm"
    QString twentyFourHour; // "h:mm"
    QString hours;          // "hh"
    QString seconds;        // "ss"
    QString longDate;       // "yyyy年m月d日(aaa)"
    QString shortDate;      // "yy/m/d (ddd)"
    QString monthDay;       // " m月d日(aaa)"

private:
    QDateTime second_;
};

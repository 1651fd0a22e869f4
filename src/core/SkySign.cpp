#include "SkySign.h"

#include "SunPosition.h"

#include <QLocale>

#include <cmath>

namespace Zorvane {

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kMsPerDay = 86400000.0;

double julianDay(const QDateTime &moment)
{
    return kUnixEpochJd + double(moment.toMSecsSinceEpoch()) / kMsPerDay;
}

QDateTime fromJulianDay(double jd, const QTimeZone &zone)
{
    const auto ms = qint64(std::llround((jd - kUnixEpochJd) * kMsPerDay));
    return QDateTime::fromMSecsSinceEpoch(ms, zone);
}

SunSign signOfLongitude(double degrees)
{
    return SunSign(qBound(0, int(degrees / 30), kSignCount - 1));
}

int signSteps(SunSign from, SunSign to)
{
    return (int(to) - int(from) + kSignCount) % kSignCount;
}

SunSign skySignAt(const QDateTime &moment)
{
    return signOfLongitude(apparentSolarLongitude(julianDay(moment)));
}

// The moment the Sun enters the sign nearest to `near`, in the time zone of `near`.
QDateTime signIngress(SunSign sign, const QDateTime &near)
{
    return fromJulianDay(solarIngress(int(sign), julianDay(near)), near.timeZone());
}

} // namespace

SkyDay judgeDay(QDate date, SunSign table, const QTimeZone &zone)
{
    SkyDay day;
    day.table = table;
    // Where summer time skips midnight, the day starts at the first moment that exists.
    const QDateTime start = date.startOfDay(zone);
    const QDateTime end = date.addDays(1).startOfDay(zone);
    day.before = skySignAt(start);
    // The instant 24:00 itself belongs to the next day.
    day.after = skySignAt(end.addMSecs(-1));

    if (day.before != day.after) {
        day.kind = SkyDay::Case::ChangedDuringDay;
        day.change = signIngress(day.after, start.addSecs((start.secsTo(end)) / 2));
        return day;
    }
    if (day.before == table)
        return day;
    day.kind = SkyDay::Case::OtherSignAllDay;
    // The table is never more than a sign away from the sky: its sign is the next or the last.
    const bool tableLater = signSteps(day.before, table) < kSignCount / 2;
    day.change = tableLater ? signIngress(table, end) : signIngress(day.before, start);
    return day;
}

QString skyNoteText(const SkyDay &day, QDate date, SunSign shown)
{
    if (day.kind == SkyDay::Case::TableSignAllDay)
        return {};
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const QString on = english.toString(date, QStringLiteral("d MMMM yyyy"));
    const QString time = day.change.toString(QStringLiteral("HH:mm"));
    const QTimeZone changeZone = day.change.timeZone();
    const QString zone = QStringLiteral(" (time zone %1, %2)")
                             .arg(QString::fromUtf8(changeZone.id()),
                                  changeZone.displayName(day.change, QTimeZone::OffsetName));
    QString text;
    if (day.kind == SkyDay::Case::ChangedDuringDay) {
        text = QStringLiteral("On %1 the Sun moved from %2 into %3 at %4%5: a birth before then "
                              "had the Sun in %2, a birth after it in %3.")
                   .arg(on, sunSignName(day.before), sunSignName(day.after), time, zone);
    } else {
        const bool entered = day.change > date.startOfDay(day.change.timeZone());
        const QString when = english.toString(day.change.date(), QStringLiteral("d MMMM"));
        text = QStringLiteral("On %1 the Sun was in %2 all day; it %3 %4 on %5 at %6%7.")
                   .arg(on, sunSignName(day.before),
                        entered ? QStringLiteral("entered") : QStringLiteral("left"),
                        sunSignName(day.table), when, time, zone);
    }
    if (shown == day.table) {
        text += QStringLiteral(" This reading follows the traditional sign dates, which give %1.")
                    .arg(sunSignName(day.table));
    } else {
        text += QStringLiteral(" This is the %1 reading; the traditional sign dates, which the "
                               "reading follows, give %2.")
                    .arg(sunSignName(shown), sunSignName(day.table));
    }
    return text;
}

QList<SunSign> skyNoteSigns(const SkyDay &day, SunSign shown)
{
    if (day.kind == SkyDay::Case::TableSignAllDay)
        return {};
    if (shown != day.table)
        return {day.table};
    QList<SunSign> signs;
    for (const SunSign sky : {day.before, day.after}) {
        if (sky != day.table && !signs.contains(sky))
            signs.append(sky);
    }
    return signs;
}

} // namespace Zorvane

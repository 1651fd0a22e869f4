#pragma once

#include "SunSign.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTimeZone>

namespace Zorvane {

// Where the Sun really stood during one local day, beside the sign that the table of dates gives.
struct SkyDay
{
    enum class Case
    {
        TableSignAllDay, // nothing to tell
        // `before` held all day. `change` is when the Sun entered the table's sign after the day,
        // or, where the table's sign is the earlier one, when it left it before the day.
        OtherSignAllDay,
        ChangedDuringDay // `before` until `change`, `after` from then on
    };

    Case kind = Case::TableSignAllDay;
    SunSign table = SunSign::Aries;
    SunSign before = SunSign::Aries;
    SunSign after = SunSign::Aries;
    QDateTime change; // in the day's time zone
};

// Judges the day from 00:00 to 24:00 in the zone against the table's sign for it.
SkyDay judgeDay(QDate date, SunSign table, const QTimeZone &zone);

// What to tell the reader about the day while the reading of `shown` is on screen, in plain
// sentences; empty when the sky agrees with the table all day.
QString skyNoteText(const SkyDay &day, QDate date, SunSign shown);

// The signs whose readings the note offers: the sky's where it differs from the table's, or the
// table's again while another is shown.
QList<SunSign> skyNoteSigns(const SkyDay &day, SunSign shown);

} // namespace Zorvane

#pragma once

#include <QString>

#include <optional>

namespace Zorvane {

enum class SunSign
{
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces,
};

inline constexpr int kSignCount = int(SunSign::Pisces) + 1;

// Maps the entry form's list positions (0 = January, 0 = day 1; -1 = nothing selected) to the
// sun sign. Month positions outside 0..10 use December's ranges; a day outside its month's
// ranges gives no sign.
std::optional<SunSign> SignFromDate(qint16 monthPos, qint16 dayPos);

QString sunSignName(SunSign sign);

} // namespace Zorvane

#include "SunSign.h"

#include "TableKeys.h"

#include <array>

namespace Zorvane {

namespace {

struct MonthRanges
{
    qint16 firstUpper;
    SunSign firstSign;
    qint16 secondLower;
    qint16 secondUpper;
    SunSign secondSign;
};

// One row per month, January first; the last row also serves every month position not listed.
constexpr std::array<MonthRanges, 12> kMonthRanges{{
    {18, SunSign::Capricorn, 19, 30, SunSign::Aquarius},
    {17, SunSign::Aquarius, 18, 28, SunSign::Pisces},
    {19, SunSign::Pisces, 20, 30, SunSign::Aries},
    {19, SunSign::Aries, 20, 29, SunSign::Taurus},
    {19, SunSign::Taurus, 20, 30, SunSign::Gemini},
    {19, SunSign::Gemini, 20, 29, SunSign::Cancer},
    {19, SunSign::Cancer, 20, 30, SunSign::Leo},
    {19, SunSign::Leo, 20, 30, SunSign::Virgo},
    {19, SunSign::Virgo, 20, 29, SunSign::Libra},
    {19, SunSign::Libra, 20, 30, SunSign::Scorpio},
    {19, SunSign::Scorpio, 20, 29, SunSign::Sagittarius},
    {19, SunSign::Sagittarius, 20, 30, SunSign::Capricorn},
}};

struct SignName
{
    SunSign sign;
    const char *name;
};
constexpr std::array<SignName, kSignCount> kSignNames{{
    {SunSign::Aries, "Aries"},
    {SunSign::Taurus, "Taurus"},
    {SunSign::Gemini, "Gemini"},
    {SunSign::Cancer, "Cancer"},
    {SunSign::Leo, "Leo"},
    {SunSign::Virgo, "Virgo"},
    {SunSign::Libra, "Libra"},
    {SunSign::Scorpio, "Scorpio"},
    {SunSign::Sagittarius, "Sagittarius"},
    {SunSign::Capricorn, "Capricorn"},
    {SunSign::Aquarius, "Aquarius"},
    {SunSign::Pisces, "Pisces"},
}};
static_assert(keyedByPosition(kSignNames, [](const SignName &s) { return s.sign; }));

} // namespace

std::optional<SunSign> SignFromDate(qint16 monthPos, qint16 dayPos)
{
    const bool listedMonth = monthPos >= 0 && monthPos <= 10;
    const MonthRanges &row = kMonthRanges[listedMonth ? std::size_t(monthPos) : 11];
    if (dayPos >= 0 && dayPos <= row.firstUpper)
        return row.firstSign;
    if (dayPos >= row.secondLower && dayPos <= row.secondUpper)
        return row.secondSign;
    return std::nullopt;
}

QString sunSignName(SunSign sign)
{
    return QString::fromLatin1(kSignNames[std::size_t(sign)].name);
}

} // namespace Zorvane

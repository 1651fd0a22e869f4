#include "SunSign.h"

#include <QDate>
#include <QTest>

using namespace Zorvane;

class TestSunSign : public QObject
{
    Q_OBJECT

private slots:
    void everyDayOfTheYear_fallsInItsSpan();
    void cusps_data();
    void cusps();
    void februaryPastItsEnd_givesNoSign();
    void thirtyDayMonths_dayThirtyOneGivesNoSign();
    void unselectedDay_givesNoSign();
    void unlistedMonthPositions_useDecember();
    void names_areTheDisplayNames();
};

namespace {

// The spans as an almanac states them: sign and its first day (month, day).
struct Span
{
    SunSign sign;
    int month;
    int day;
};

constexpr Span kSpans[] = {
    {SunSign::Capricorn, 12, 21}, {SunSign::Aquarius, 1, 20}, {SunSign::Pisces, 2, 19},
    {SunSign::Aries, 3, 21},      {SunSign::Taurus, 4, 21},   {SunSign::Gemini, 5, 21},
    {SunSign::Cancer, 6, 21},     {SunSign::Leo, 7, 21},      {SunSign::Virgo, 8, 21},
    {SunSign::Libra, 9, 21},      {SunSign::Scorpio, 10, 21}, {SunSign::Sagittarius, 11, 21},
};

SunSign expectedSign(int month, int day)
{
    // The last span that starts on or before the date, wrapping to Capricorn.
    SunSign result = SunSign::Capricorn;
    for (const Span &s : kSpans) {
        if (s.sign == SunSign::Capricorn)
            continue;
        if (month > s.month || (month == s.month && day >= s.day))
            result = s.sign;
    }
    if (month == 12 && day >= 21)
        result = SunSign::Capricorn;
    return result;
}

} // namespace

void TestSunSign::everyDayOfTheYear_fallsInItsSpan()
{
    // A leap year, so 29 February is walked too.
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        const auto sign = SignFromDate(qint16(d.month() - 1), qint16(d.day() - 1));
        QVERIFY2(sign.has_value(), qPrintable(d.toString(Qt::ISODate)));
        QCOMPARE(*sign, expectedSign(d.month(), d.day()));
    }
}

void TestSunSign::cusps_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<SunSign>("sign");
    QTest::newRow("19 Jan") << 1 << 19 << SunSign::Capricorn;
    QTest::newRow("20 Jan") << 1 << 20 << SunSign::Aquarius;
    QTest::newRow("18 Feb") << 2 << 18 << SunSign::Aquarius;
    QTest::newRow("19 Feb") << 2 << 19 << SunSign::Pisces;
    QTest::newRow("29 Feb") << 2 << 29 << SunSign::Pisces;
    QTest::newRow("20 Mar") << 3 << 20 << SunSign::Pisces;
    QTest::newRow("21 Mar") << 3 << 21 << SunSign::Aries;
    QTest::newRow("20 Dec") << 12 << 20 << SunSign::Sagittarius;
    QTest::newRow("21 Dec") << 12 << 21 << SunSign::Capricorn;
    QTest::newRow("31 Dec") << 12 << 31 << SunSign::Capricorn;
    QTest::newRow("1 Jan") << 1 << 1 << SunSign::Capricorn;
    QTest::newRow("31 Jan") << 1 << 31 << SunSign::Aquarius;
    QTest::newRow("30 Apr") << 4 << 30 << SunSign::Taurus;
}

void TestSunSign::cusps()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(SunSign, sign);
    const auto found = SignFromDate(qint16(month - 1), qint16(day - 1));
    QVERIFY(found.has_value());
    QCOMPARE(*found, sign);
}

void TestSunSign::februaryPastItsEnd_givesNoSign()
{
    QVERIFY(!SignFromDate(1, 29).has_value()); // 30 February
    QVERIFY(!SignFromDate(1, 30).has_value()); // 31 February
}

void TestSunSign::thirtyDayMonths_dayThirtyOneGivesNoSign()
{
    for (const qint16 month : {3, 5, 8, 10})
        QVERIFY2(!SignFromDate(month, 30).has_value(), qPrintable(QString::number(month)));
    for (const qint16 month : {0, 2, 4, 6, 7, 9, 11})
        QVERIFY(SignFromDate(month, 30).has_value());
}

void TestSunSign::unselectedDay_givesNoSign()
{
    for (qint16 month = -1; month <= 12; ++month)
        QVERIFY(!SignFromDate(month, -1).has_value());
    QVERIFY(!SignFromDate(11, 31).has_value());
}

void TestSunSign::unlistedMonthPositions_useDecember()
{
    for (const qint16 month : {qint16(-1), qint16(11), qint16(12), qint16(-32768), qint16(32767)}) {
        QCOMPARE(SignFromDate(month, 19), std::optional(SunSign::Sagittarius));
        QCOMPARE(SignFromDate(month, 20), std::optional(SunSign::Capricorn));
        QCOMPARE(SignFromDate(month, 30), std::optional(SunSign::Capricorn));
    }
}

void TestSunSign::names_areTheDisplayNames()
{
    const QStringList expected{
        QStringLiteral("Aries"),     QStringLiteral("Taurus"),   QStringLiteral("Gemini"),
        QStringLiteral("Cancer"),    QStringLiteral("Leo"),      QStringLiteral("Virgo"),
        QStringLiteral("Libra"),     QStringLiteral("Scorpio"),  QStringLiteral("Sagittarius"),
        QStringLiteral("Capricorn"), QStringLiteral("Aquarius"), QStringLiteral("Pisces")};
    for (int i = 0; i < kSignCount; ++i)
        QCOMPARE(sunSignName(SunSign(i)), expected.at(i));
}

QTEST_GUILESS_MAIN(TestSunSign)
#include "tst_sunsign.moc"

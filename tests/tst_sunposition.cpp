#include "SkySign.h"
#include "SunPosition.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Zorvane;

class TestSunPosition : public QObject
{
    Q_OBJECT

private slots:
    void ingress_agreesWithSwissEphemeris_data();
    void ingress_agreesWithSwissEphemeris();
    void cleanupTestCase();
    void localDay_data();
    void localDay();

private:
    double m_largestSeconds = 0;
};

namespace {

constexpr double kUnixEpochJd = 2440587.5;

QDateTime utc(const char *iso)
{
    return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODateWithMs);
}

} // namespace

void TestSunPosition::ingress_agreesWithSwissEphemeris_data()
{
    QTest::addColumn<QDateTime>("expected");
    QTest::addColumn<int>("sign");
    QFile table(QStringLiteral(INGRESS_TABLE));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    table.readLine(); // its heading
    while (!table.atEnd()) {
        const QList<QByteArray> fields = table.readLine().simplified().split(' ');
        QTest::newRow(fields[0].constData())
            << utc(fields[0].constData()) << fields[1].toInt() / 30;
    }
}

void TestSunPosition::ingress_agreesWithSwissEphemeris()
{
    QFETCH(QDateTime, expected);
    QFETCH(int, sign);
    const double expectedJd = kUnixEpochJd + double(expected.toMSecsSinceEpoch()) / 86400000.0;
    // Searched from a week away, as a reading searches from the birth day.
    const double found = solarIngress(sign, expectedJd - 7);
    const double seconds = std::abs(found - expectedJd) * 86400.0;
    m_largestSeconds = std::max(m_largestSeconds, seconds);
    QVERIFY2(seconds < 60, qPrintable(QString::number(seconds) + u" s"));
}

void TestSunPosition::cleanupTestCase()
{
    qInfo("largest difference from the Swiss Ephemeris: %.1f s", m_largestSeconds);
}

void TestSunPosition::localDay_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<SunSign>("table");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<SkyDay::Case>("kind");
    QTest::addColumn<QDateTime>("change"); // as the table above has it, in UT
    QTest::addColumn<QString>("note");     // a pattern the note must match

    using C = SkyDay::Case;
    QTest::newRow("mid-sign") << QDate(1975, 3, 14) << SunSign::Pisces
                              << QByteArray("Europe/Berlin") << C::TableSignAllDay << QDateTime()
                              << QString();
    QTest::newRow("sky a sign behind the table")
        << QDate(1975, 9, 21) << SunSign::Libra << QByteArray("UTC") << C::OtherSignAllDay
        << utc("1975-09-23T15:55:11Z")
        << QStringLiteral("^On 21 September 1975 the Sun was in Virgo all day; it entered Libra on "
                          "23 September at 15:55 \\(time zone UTC, UTC\\+00:00\\)\\. .*traditional "
                          "sign dates, which give Libra\\.$");
    QTest::newRow("sky a sign ahead of the table")
        << QDate(2048, 3, 20) << SunSign::Pisces << QByteArray("UTC") << C::OtherSignAllDay
        << utc("2048-03-19T22:33:53Z")
        << QStringLiteral("in Aries all day; it left Pisces on 19 March at 22:33");
    QTest::newRow("change in the morning")
        << QDate(1975, 3, 21) << SunSign::Aries << QByteArray("Europe/Berlin")
        << C::ChangedDuringDay << utc("1975-03-21T05:56:39Z")
        << QStringLiteral(
               "from Pisces into Aries at 06:56 \\(time zone Europe/Berlin, UTC\\+01:00\\)");
    QTest::newRow("change under summer time")
        << QDate(2024, 9, 22) << SunSign::Libra << QByteArray("Europe/Berlin")
        << C::ChangedDuringDay << utc("2024-09-22T12:43:40Z")
        << QStringLiteral(
               "from Virgo into Libra at 14:43 \\(time zone Europe/Berlin, UTC\\+02:00\\)");
}

void TestSunPosition::localDay()
{
    QFETCH(QDate, date);
    QFETCH(SunSign, table);
    QFETCH(QByteArray, zone);
    QFETCH(SkyDay::Case, kind);
    QFETCH(QDateTime, change);
    QFETCH(QString, note);

    const QTimeZone tz(zone);
    QVERIFY(tz.isValid());
    const SkyDay day = judgeDay(date, table, tz);
    QCOMPARE(day.kind, kind);
    if (change.isValid())
        QVERIFY2(std::abs(day.change.secsTo(change)) < 60, qPrintable(day.change.toString()));
    const QString text = skyNoteText(day, date, table);
    if (note.isEmpty())
        QVERIFY2(text.isEmpty(), qPrintable(text));
    else
        QVERIFY2(QRegularExpression(note).match(text).hasMatch(), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestSunPosition)
#include "tst_sunposition.moc"

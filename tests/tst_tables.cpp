#include "Reading.h"
#include "ReadingTables.h"
#include "ReadingTexts.h"

#include <QSet>
#include <QTest>

using namespace Zorvane;

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LoadReadingTexts(); }

    // Table integrity
    void pathLocations_nameTheSignsTwoSephirothLowerFirst();
    void signs_haveSephiraOneLowerAndDistinctPaths();
    void cards_namedAsTheirPictures_data();
    void cards_namedAsTheirPictures();
    void imageLists_haveNoCardOutsideTheirPositions();
    void quotedTexts_areKeptLetterForLetter();

    // The highlight follows from the Sephiroth
    void highlight_data();
    void highlight();

    // Building a reading
    void reading_fillsEveryFieldFromTheTables();
    void bothDateRangesOfASign_giveTheSameReading();
    void netzach_cardTextDependsOnItsSlot();
    void hod_showsMichealWithTheMichaelText();
    void emptyCells_stayEmpty();
    void tiphereth_sameCardInEitherSlot();
    void chesed_fourIsTheSameInLeoVirgoAndTaurus();
    void he_cardTextJoinsBothPassages();
};

void TestTables::pathLocations_nameTheSignsTwoSephirothLowerFirst()
{
    for (const SignRow &sign : SignTable) {
        const PathRow &path = pathRowOf(sign.path);
        const QString expected = QStringLiteral("Connecting path between %1 and %2")
                                     .arg(sephiraName(sign.one), sephiraName(sign.two));
        QCOMPARE(QLatin1StringView(path.location), expected);
    }
}

void TestTables::signs_haveSephiraOneLowerAndDistinctPaths()
{
    QSet<int> paths;
    for (int i = 0; i < kSignCount; ++i) {
        const SignRow &row = SignTable[std::size_t(i)];
        QCOMPARE(row.sign, SunSign(i));
        QVERIFY(sephiraNumber(row.one) < sephiraNumber(row.two));
        QVERIFY(sephiraNumber(row.one) >= 2);
        paths.insert(int(row.path));
        QCOMPARE(pathRowOf(row.path).path, row.path);
    }
    QCOMPARE(paths.size(), kSignCount);
}

void TestTables::cards_namedAsTheirPictures_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("two");
    QTest::addColumn<QString>("trump");
    // Together the signs show every Sephira card and every trump.
    auto row = [](SunSign s, const char *one, const char *two, const char *trump) {
        QTest::newRow(qPrintable(sunSignName(s)))
            << s << QString::fromLatin1(one) << QString::fromLatin1(two)
            << QString::fromLatin1(trump);
    };
    row(SunSign::Aries, "The Kings", "The Sixes", "The Emperor");
    row(SunSign::Taurus, "The Kings", "The Fours", "The Hierophant");
    row(SunSign::Gemini, "The Queens", "The Sixes", "The Lovers");
    row(SunSign::Cancer, "The Queens", "The Fives", "The Chariot");
    row(SunSign::Leo, "The Fours", "The Fives", "Strength");
    row(SunSign::Virgo, "The Fours", "The Sixes", "The Hermit");
    row(SunSign::Libra, "The Fives", "The Sixes", "Justice");
    row(SunSign::Scorpio, "The Sixes", "The Sevens", "Death");
    row(SunSign::Sagittarius, "The Sixes", "The Nines", "Temperance");
    row(SunSign::Capricorn, "The Sixes", "The Eights", "The Devil");
    row(SunSign::Aquarius, "The Sevens", "The Nines", "The Star");
    row(SunSign::Pisces, "The Sevens", "The Tens", "The Moon");
}

void TestTables::cards_namedAsTheirPictures()
{
    QFETCH(SunSign, sign);
    const Reading r = buildReading(sign);
    QTEST(r.One.CardName, "one");
    QTEST(r.Two.CardName, "two");
    QTEST(r.Path.CardName, "trump");
    QCOMPARE(imageListCardName(ImageList::SephirothsOneCard, r.One.CardPicture), r.One.CardName);
    QCOMPARE(imageListCardName(ImageList::SephirothsTwoCard, r.Two.CardPicture), r.Two.CardName);
    QCOMPARE(imageListCardName(ImageList::PathsCard, r.Path.CardPicture), r.Path.CardName);
}

void TestTables::imageLists_haveNoCardOutsideTheirPositions()
{
    QCOMPARE(imageListSize(ImageList::SephirothsOneCard), 11);
    QCOMPARE(imageListSize(ImageList::PathsCard), 12);
    for (const ImageList list :
         {ImageList::SephirothsOneCard, ImageList::SephirothsTwoCard, ImageList::PathsCard}) {
        QVERIFY(imageListCardName(list, 0).isEmpty());
        QVERIFY(imageListCardName(list, -1).isEmpty());
        QVERIFY(imageListCardName(list, 13).isEmpty());
        // Alphabetical order of names.
        for (int p = 2; p <= imageListSize(list); ++p)
            QVERIFY(imageListCardName(list, p - 1) < imageListCardName(list, p));
    }
    QVERIFY(imageListCardName(ImageList::SephirothsTwoCard, 12).isEmpty());
    // The initial picture of every card box.
    QCOMPARE(imageListCardName(ImageList::PathsCard, 2), QStringLiteral("Justice"));
}

void TestTables::quotedTexts_areKeptLetterForLetter()
{
    QCOMPARE(QLatin1StringView(sephiraRowOf(Sephira::Tiphereth).keyword),
             QStringLiteral("Beauty, Equilibirum"));
    QCOMPARE(QLatin1StringView(sephiraRowOf(Sephira::Hod).metal),
             QStringLiteral("Mercury/ Quicksilver"));
    QCOMPARE(QLatin1StringView(pathRowOf(PathKey::Tzaddi).planet),
             QStringLiteral("Uranus / Saturn"));
    QCOMPARE(QLatin1StringView(pathRowOf(PathKey::Zaini).name), QStringLiteral("Path Of Zaini"));
    QVERIFY(QLatin1StringView(pathRowOf(PathKey::Zaini).hebrewLetter).startsWith(u"Zain,"));
    // Some Hebrew-letter texts end with a full stop, others do not.
    const QSet<PathKey> withStop{PathKey::Yod, PathKey::Lamed, PathKey::Nun, PathKey::Samekh,
                                 PathKey::Tzaddi};
    for (const PathRow &row : PathTable)
        QCOMPARE(QLatin1StringView(row.hebrewLetter).endsWith(u'.'), withStop.contains(row.path));
}

void TestTables::highlight_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<Sephira>("one");
    QTest::addColumn<Sephira>("two");
    auto row = [](SunSign s, Sephira one, Sephira two) {
        QTest::newRow(qPrintable(sunSignName(s))) << s << one << two;
    };
    row(SunSign::Aries, Sephira::Chokmah, Sephira::Tiphereth);
    row(SunSign::Taurus, Sephira::Chokmah, Sephira::Chesed);
    row(SunSign::Gemini, Sephira::Binah, Sephira::Tiphereth);
    row(SunSign::Cancer, Sephira::Binah, Sephira::Gevurah);
    row(SunSign::Leo, Sephira::Chesed, Sephira::Gevurah);
    row(SunSign::Virgo, Sephira::Chesed, Sephira::Tiphereth);
    row(SunSign::Libra, Sephira::Gevurah, Sephira::Tiphereth);
    row(SunSign::Scorpio, Sephira::Tiphereth, Sephira::Netzach);
    row(SunSign::Sagittarius, Sephira::Tiphereth, Sephira::Yesod);
    row(SunSign::Capricorn, Sephira::Tiphereth, Sephira::Hod);
    row(SunSign::Aquarius, Sephira::Netzach, Sephira::Yesod);
    row(SunSign::Pisces, Sephira::Netzach, Sephira::Malkhuth);
}

void TestTables::highlight()
{
    QFETCH(SunSign, sign);
    const Highlight h = highlightFor(sign);
    QCOMPARE(h.sign, sign);
    QTEST(h.one, "one");
    QTEST(h.two, "two");
    QCOMPARE(buildReading(sign).highlight.two, h.two);
}

void TestTables::reading_fillsEveryFieldFromTheTables()
{
    const Reading r = buildReading(SunSign::Capricorn);
    QCOMPARE(r.SunSignName, QStringLiteral("Capricorn"));
    QCOMPARE(r.SunSignDesc.size(), 726);
    QCOMPARE(r.One.Head, QStringLiteral("Tiphereth"));
    QCOMPARE(r.One.SphereSign, QStringLiteral("Tiphereth"));
    QCOMPARE(r.One.SphereDesc, readingTexts().sphere[std::size_t(SphereText::Tiphereth)]);
    QCOMPARE(r.One.AngelDesc, readingTexts().angel[std::size_t(AngelText::Raphael)]);
    QCOMPARE(r.One.Position, QStringLiteral("6th"));
    QCOMPARE(r.One.PlanetaryRuler, QStringLiteral("Sun"));
    QCOMPARE(r.One.Archangel, QStringLiteral("Raphael"));
    QCOMPARE(r.One.LuckyDay, QStringLiteral("Sunday"));
    QCOMPARE(r.One.Color, QStringLiteral("Gold or Yellow"));
    QCOMPARE(r.One.Wood, QStringLiteral("Laurel"));
    QCOMPARE(r.One.Keyword, QStringLiteral("Beauty, Equilibirum"));
    QCOMPARE(r.One.Metal, QStringLiteral("Gold"));
    QCOMPARE(r.One.CardName, QStringLiteral("The Sixes"));
    QCOMPARE(r.One.CardPicture, qint16(10));
    QCOMPARE(r.Two.Head, QStringLiteral("Hod"));
    QCOMPARE(r.Two.CardName, QStringLiteral("The Eights"));
    QCOMPARE(r.Two.CardPicture, qint16(2));
    QCOMPARE(r.Path.Name, QStringLiteral("Path Of Ayin"));
    QCOMPARE(r.Path.Description, readingTexts().path[std::size_t(PathKey::Ayin)]);
    QCOMPARE(r.Path.HebrewLetter, QStringLiteral("Ayin, which means eye"));
    QCOMPARE(r.Path.Location, QStringLiteral("Connecting path between Tiphereth and Hod"));
    QCOMPARE(r.Path.Planet, QStringLiteral("Saturn"));
    QCOMPARE(r.Path.YetsiraticAttribution, QStringLiteral("Renovating intelligence"));
    QCOMPARE(r.Path.Color, QStringLiteral("Black"));
    QCOMPARE(r.Path.Element, QStringLiteral("Earth"));
    QCOMPARE(r.Path.CardName, QStringLiteral("The Devil"));
    QCOMPARE(r.Path.CardPicture, qint16(6));
    QCOMPARE(r.Path.CardDesc.size(), 247);

    for (int i = 0; i < kSignCount; ++i) {
        const Reading each = buildReading(SunSign(i));
        for (const SephiraReading *s : {&each.One, &each.Two}) {
            QVERIFY(!s->SphereDesc.isEmpty());
            QVERIFY(!s->AngelDesc.isEmpty());
            QVERIFY(!s->CardDesc.isEmpty());
        }
        QVERIFY(!each.Path.Description.isEmpty());
        QVERIFY(!each.Path.CardDesc.isEmpty());
        QVERIFY(!each.SunSignDesc.isEmpty());
    }
}

void TestTables::bothDateRangesOfASign_giveTheSameReading()
{
    // 25 December and 10 January.
    const auto december = SignFromDate(11, 24);
    const auto january = SignFromDate(0, 9);
    QVERIFY(december && january);
    const Reading a = buildReading(*december);
    const Reading b = buildReading(*january);
    QCOMPARE(a.One.Head, QStringLiteral("Tiphereth"));
    QCOMPARE(a.Two.Head, QStringLiteral("Hod"));
    QCOMPARE(a.SunSignDesc, b.SunSignDesc);
    QCOMPARE(a.Path.Name, b.Path.Name);
}

void TestTables::netzach_cardTextDependsOnItsSlot()
{
    const QString first = buildReading(SunSign::Aquarius).One.CardDesc;
    QCOMPARE(buildReading(SunSign::Pisces).One.CardDesc, first);
    const QString second = buildReading(SunSign::Scorpio).Two.CardDesc;
    QCOMPARE(first.size(), 227);
    QCOMPARE(second.size(), 172);
    QVERIFY(first != second);
}

void TestTables::hod_showsMichealWithTheMichaelText()
{
    const Reading r = buildReading(SunSign::Capricorn);
    QCOMPARE(r.Two.Archangel, QStringLiteral("Micheal"));
    QCOMPARE(r.Two.AngelDesc, readingTexts().angel[std::size_t(AngelText::Michael)]);
    QVERIFY(r.Two.AngelDesc.startsWith(u"Michael"));
}

void TestTables::emptyCells_stayEmpty()
{
    const Reading pisces = buildReading(SunSign::Pisces);
    QCOMPARE(pisces.Two.Head, QStringLiteral("Malkhuth"));
    QVERIFY(pisces.Two.LuckyDay.isEmpty());
    QVERIFY(pisces.Two.Color.isEmpty());
    QVERIFY(pisces.Two.Wood.isEmpty());
    QVERIFY(pisces.Two.Metal.isEmpty());
    QCOMPARE(pisces.Two.Keyword, QStringLiteral("Kingdom, Beginnings"));
    for (const SunSign s : {SunSign::Aries, SunSign::Taurus}) {
        const Reading r = buildReading(s);
        QCOMPARE(r.One.Head, QStringLiteral("Chokmah"));
        QVERIFY(r.One.LuckyDay.isEmpty());
        QVERIFY(r.One.Metal.isEmpty());
        QCOMPARE(r.One.Wood, QStringLiteral("Musk"));
    }
}

void TestTables::tiphereth_sameCardInEitherSlot()
{
    const SephiraReading asOne = buildReading(SunSign::Scorpio).One;
    const SephiraReading asTwo = buildReading(SunSign::Aries).Two;
    QCOMPARE(asOne.CardName, QStringLiteral("The Sixes"));
    QCOMPARE(asTwo.CardName, asOne.CardName);
    QCOMPARE(asTwo.CardPicture, qint16(10));
    QCOMPARE(asTwo.CardDesc, asOne.CardDesc);
}

void TestTables::chesed_fourIsTheSameInLeoVirgoAndTaurus()
{
    const SephiraReading leo = buildReading(SunSign::Leo).One;
    const SephiraReading virgo = buildReading(SunSign::Virgo).One;
    const SephiraReading taurus = buildReading(SunSign::Taurus).Two;
    for (const SephiraReading *s : {&leo, &virgo, &taurus}) {
        QCOMPARE(s->Head, QStringLiteral("Chesed"));
        QCOMPARE(s->CardName, QStringLiteral("The Fours"));
        QCOMPARE(s->CardPicture, qint16(4));
        QCOMPARE(s->CardDesc, leo.CardDesc);
    }
}

void TestTables::he_cardTextJoinsBothPassages()
{
    const QString text = buildReading(SunSign::Aries).Path.CardDesc;
    QCOMPARE(text.size(), 298);
    QVERIFY(text.startsWith(u"The Emperor"));
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"

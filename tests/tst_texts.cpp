#include "ReadingTables.h"
#include "ReadingTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Zorvane;

// Every description paragraph: its content file, its exact length, and words its opening must
// carry so that it is about its subject.
class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paragraph_data();
    void paragraph();
    void tables_areFilledInLoadingOrder();
    void loadingTwice_assignsTheSameTexts();
    void paragraphs_areAllDistinct();
    void cardText_isTheFileOfItsSephira_data();
    void cardText_isTheFileOfItsSephira();
    void paragraph_agreesWithTheValuesBesideIt_data();
    void paragraph_agreesWithTheValuesBesideIt();
};

namespace {

struct Paragraph
{
    const char *file; // under :/content/texts/
    int length;
    const char *opening; // text its opening sentence holds
    int window = 0;      // characters to search; 0 = the first sentence
};

constexpr Paragraph kParagraphs[] = {
    {"sphere/Malkhuth", 774, "Malkhuth|tenth", 100},
    {"sphere/Yesod", 670, "Yesod|ninth", 100},
    {"sphere/Hod", 831, "Hod|eighth", 100},
    {"sphere/Netzach", 618, "Netzach|seventh", 100},
    {"sphere/Tiphereth", 681, "Tiphereth|sixth", 100},
    {"sphere/Gevurah", 715, "Gevurah|fifth", 100},
    {"sphere/Chesed", 647, "Chesed|fourth", 100},
    {"sphere/Binah", 656, "Binah|third", 100},
    {"sphere/Chokmah", 676, "Chokmah|second", 100},
    {"sphere/Keter", 537, "Keter|first", 100},
    {"sphere/Daat", 586, "Da'at", 100},
    {"angel/Gabriel", 612, "Gabriel", 7},
    {"angel/Michael", 442, "Michael", 7},
    {"angel/Haniel", 462, "Haniel", 6},
    {"angel/Raphael", 411, "Raphael", 7},
    {"angel/Sandalphon", 564, "Sandalphon", 10},
    {"angel/Raziel", 463, "Raziel", 6},
    {"angel/Metatron", 334, "Metatron", 8},
    {"angel/Tzadqiel", 635, "Tzadqiel", 8},
    {"angel/Tzaphqiel", 453, "Tzaphqiel", 9},
    {"angel/Kamael", 499, "Kamael", 6},
    {"path/He", 349, "Path of He"},
    {"path/Vau", 357, "Path of Vau"},
    {"path/Zaini", 454, "Path of Zain"},
    {"path/Cheth", 424, "Path of Cheth|18"},
    {"path/Teth", 339, "Path of Teth"},
    {"path/Yod", 426, "Path of Yod"},
    {"path/Lamed", 368, "Path of Lamed"},
    {"path/Nun", 358, "Path of Nun"},
    {"path/Samekh", 310, "Path of Samekh"},
    {"path/Ayin", 378, "Path of Ayin"},
    {"path/Tzaddi", 383, "Path of Tzaddi"},
    {"path/Qoph", 371, "Path of Qoph"},
    {"sign/Aries", 883, "Aries"},
    {"sign/Taurus", 685, "Taurus"},
    {"sign/Gemini", 652, "Gemini"},
    {"sign/Cancer", 618, "Cancer"},
    {"sign/Leo", 717, "Leo"},
    {"sign/Virgo", 855, "Virgo"},
    {"sign/Libra", 769, "Libra"},
    {"sign/Scorpio", 809, "Scorpio"},
    {"sign/Sagittarius", 515, "Sagittarius"},
    {"sign/Capricorn", 726, "Capricorn"},
    {"sign/Aquarius", 626, "Aquarius"},
    {"sign/Pisces", 699, "Pisces"},
    {"sign/placeholder", 855, "sun sign"},
    {"card/Chokmah", 122, "The Kings", 9},
    {"card/Binah", 200, "The Queens", 10},
    {"card/Chesed", 136, "The Fours", 9},
    {"card/Gevurah", 164, "The Fives", 9},
    {"card/Tiphereth", 218, "The Sixes", 9},
    {"card/Netzach", 227, "The Sevens", 10},
    {"card/Netzach-second", 172, "The Sevens", 10},
    {"card/Hod", 161, "The Eights", 10},
    {"card/Yesod", 210, "The Nines", 9},
    {"card/Malkhuth", 223, "The Tens", 8},
    {"pathcard/He-1", 183, "The Emperor", 11},
    {"pathcard/He-2", 115, ""},
    {"pathcard/Vau", 204, "The Hierophant", 14},
    {"pathcard/Zaini", 261, "The Lovers", 10},
    {"pathcard/Cheth", 243, "The Chariot", 11},
    {"pathcard/Teth", 308, "Strength", 8},
    {"pathcard/Yod", 220, "The Hermit", 10},
    {"pathcard/Lamed", 228, "Justice", 7},
    {"pathcard/Nun", 249, "Death", 5},
    {"pathcard/Samekh", 261, "Temperance", 10},
    {"pathcard/Ayin", 247, "The Devil", 9},
    {"pathcard/Tzaddi", 260, "The Star", 8},
    {"pathcard/Qoph", 255, "The Moon", 8},
};

QByteArray readContent(const QString &file)
{
    QFile f(QStringLiteral(":/content/texts/") + file + QStringLiteral(".txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

void TestTexts::initTestCase()
{
    LoadReadingTexts();
    // He's card text counts as one paragraph of two passages: 68 paragraphs in 69 files.
    QCOMPARE(int(std::size(kParagraphs)), 69);
}

void TestTexts::paragraph_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("window");
    for (const Paragraph &p : kParagraphs)
        QTest::newRow(p.file) << QString::fromLatin1(p.file) << p.length
                              << QString::fromLatin1(p.opening) << p.window;
}

void TestTexts::paragraph()
{
    QFETCH(QString, file);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QFETCH(int, window);

    const QByteArray bytes = readContent(file);
    QVERIFY2(!bytes.isEmpty(), "content file missing");
    QCOMPARE(bytes.size(), length);
    for (const char c : bytes)
        QVERIFY2(c >= 32 && c < 127, "plain printable ASCII on one line");
    QVERIFY2(!bytes.contains("  "), "no doubled blanks");
    QVERIFY(bytes.at(0) != ' ');

    const QString text = QString::fromLatin1(bytes);
    const qsizetype sentenceEnd = text.indexOf(QStringLiteral(". "));
    const QString head =
        window > 0 ? text.left(window) : text.left(sentenceEnd < 0 ? text.size() : sentenceEnd + 1);
    if (!opening.isEmpty()) {
        for (const QString &word : opening.split(u'|'))
            QVERIFY2(head.contains(word, Qt::CaseInsensitive),
                     qPrintable(QStringLiteral("opening lacks \"%1\": %2").arg(word, head)));
    }
}

void TestTexts::tables_areFilledInLoadingOrder()
{
    const ReadingTextTables &t = readingTexts();
    QCOMPARE(t.sphere[std::size_t(SphereText::Malkhuth)].size(), 774);
    QCOMPARE(t.sphere[std::size_t(SphereText::Daat)].size(), 586);
    QCOMPARE(t.angel[std::size_t(AngelText::Gabriel)].size(), 612);
    QCOMPARE(t.angel[std::size_t(AngelText::Kamael)].size(), 499);
    QCOMPARE(t.path[std::size_t(PathKey::He)].size(), 349);
    QCOMPARE(t.path[std::size_t(PathKey::Qoph)].size(), 371);
    QCOMPARE(placeholderPortrait().size(), 855);
    QCOMPARE(pathCardDescription(PathKey::He),
             QString::fromLatin1(readContent(QStringLiteral("pathcard/He-1")) +
                                 readContent(QStringLiteral("pathcard/He-2"))));
}

void TestTexts::loadingTwice_assignsTheSameTexts()
{
    const ReadingTextTables before = readingTexts();
    LoadReadingTexts();
    QCOMPARE(readingTexts().sphere, before.sphere);
    QCOMPARE(readingTexts().angel, before.angel);
    QCOMPARE(readingTexts().path, before.path);
}

void TestTexts::paragraphs_areAllDistinct()
{
    QSet<QByteArray> openings;
    for (const Paragraph &p : kParagraphs) {
        const QByteArray bytes = readContent(QString::fromLatin1(p.file));
        // Card texts must open on their card's name; beyond it no two open alike.
        const QByteArray opening = bytes.left(int(qstrlen(p.opening)) + 12);
        QVERIFY2(!openings.contains(opening), p.file);
        openings.insert(opening);
    }
}

void TestTexts::cardText_isTheFileOfItsSephira_data()
{
    QTest::addColumn<CardText>("card");
    // In CardText order; the tag is the file's name under card/.
    const char *files[] = {"Chokmah", "Binah",          "Chesed", "Gevurah", "Tiphereth",
                           "Netzach", "Netzach-second", "Hod",    "Yesod",   "Malkhuth"};
    for (int i = 0; i < int(std::size(files)); ++i)
        QTest::newRow(files[i]) << CardText(i);
}

void TestTexts::cardText_isTheFileOfItsSephira()
{
    QFETCH(CardText, card);
    const QByteArray bytes =
        readContent(QStringLiteral("card/") + QLatin1StringView(QTest::currentDataTag()));
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(cardDescription(card), QString::fromLatin1(bytes));
}

namespace {

// Words a paragraph could use to state a colour, a planet or the spelling of a Hebrew letter.
// Only words; which of them a paragraph may use comes from the tables.
const QStringList kColourWords = {
    "red",    "scarlet", "crimson", "orange", "yellow",  "gold",  "green",  "blue", "indigo",
    "violet", "purple",  "mauve",   "maroon", "brown",   "black", "white",  "gray", "grey",
    "silver", "buff",    "pink",    "amber",  "citrine", "olive", "russet",
};
const QStringList kPlanets = {"Sun",     "Moon",   "Mercury", "Venus",   "Earth", "Mars",
                              "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
const QList<QStringList> kLetterSpellings = {
    {"He", "Heh", "Hei", "Hey"},
    {"Vau", "Vav", "Waw"},
    {"Zain", "Zayin"},
    {"Cheth", "Chet", "Het", "Heth", "Kheth"},
    {"Teth", "Tet"},
    {"Yod", "Yud", "Jod"},
    {"Lamed", "Lamedh"},
    {"Nun"},
    {"Samekh", "Samech", "Samek"},
    {"Ayin"},
    {"Tzaddi", "Tzadi", "Tsadi", "Tsade", "Tzade", "Sadhe"},
    {"Qoph", "Qof", "Kuf", "Koph"},
};

QStringList wordsIn(const QString &text, const QStringList &vocabulary, Qt::CaseSensitivity cs)
{
    QStringList found;
    for (const QString &word : vocabulary) {
        QRegularExpression re(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)));
        if (cs == Qt::CaseInsensitive)
            re.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
        if (re.match(text).hasMatch())
            found << word;
    }
    return found;
}

QString normalColour(const QString &word)
{
    const QString w = word.toLower();
    return w == QLatin1String("grey") ? QStringLiteral("gray") : w;
}

// The values a paragraph must agree with; an empty value is not shown and binds nothing.
struct Beside
{
    QString colour;
    QString planet;
    QString heading; // the path's own name as its heading gives it
    QString letter;  // the Hebrew letter as its table row spells it
    QString meaning; // what the letter means, alternatives joined by " or "
    bool statesMeaning = false;
};

} // namespace

void TestTexts::paragraph_agreesWithTheValuesBesideIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("planet");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<bool>("statesMeaning");

    const auto add = [](const QString &name, const QString &text, const Beside &b) {
        QTest::newRow(qPrintable(name)) << text << b.colour << b.planet << b.heading << b.letter
                                        << b.meaning << b.statesMeaning;
    };
    const ReadingTextTables &t = readingTexts();
    for (const SephiraRow &row : SephirothTable) {
        Beside b;
        b.colour = QString::fromLatin1(row.colour);
        b.planet = QString::fromLatin1(row.ruler);
        const SphereText sphere = sphereRowOf(row.sephira).text;
        add(QStringLiteral("sphere/") + sphereTextKey(sphere), t.sphere[std::size_t(sphere)], b);
        add(QStringLiteral("angel/") + angelTextKey(row.angelText),
            t.angel[std::size_t(row.angelText)], b);
    }
    for (const SignRow &sign : SignTable) {
        const PathRow &row = pathRowOf(sign.path);
        const QString letterField = QString::fromLatin1(row.hebrewLetter);
        const qsizetype means = letterField.indexOf(QLatin1String(", which means "));
        Beside b;
        b.heading = QString::fromLatin1(row.name).section(u' ', 2);
        b.letter = letterField.left(means);
        b.meaning = letterField.mid(means + 14).chopped(letterField.endsWith(u'.') ? 1 : 0);
        add(QStringLiteral("sign/") + sunSignName(sign.sign), signDescription(sign.sign), b);
        b.colour = QString::fromLatin1(row.colour);
        b.planet = QString::fromLatin1(row.planet);
        b.statesMeaning = true;
        add(QStringLiteral("path/") + pathTextKey(row.path), t.path[std::size_t(row.path)], b);
    }
}

// A paragraph names no colour, planet or letter spelling other than the ones shown beside it,
// names its path as the heading does, and gives its letter the meaning the table gives.
void TestTexts::paragraph_agreesWithTheValuesBesideIt()
{
    QFETCH(QString, text);
    QFETCH(QString, colour);
    QFETCH(QString, planet);
    QFETCH(QString, heading);
    QFETCH(QString, letter);
    QFETCH(QString, meaning);
    QFETCH(bool, statesMeaning);
    QVERIFY(!text.isEmpty());

    if (!colour.isEmpty()) {
        QStringList shown;
        for (const QString &w : wordsIn(colour, kColourWords, Qt::CaseInsensitive))
            shown << normalColour(w);
        for (const QString &w : wordsIn(text, kColourWords, Qt::CaseInsensitive))
            QVERIFY2(shown.contains(normalColour(w)),
                     qPrintable(QStringLiteral("names %1 beside \"%2\"").arg(w, colour)));
    }
    if (!planet.isEmpty()) {
        for (const QString &p : wordsIn(text, kPlanets, Qt::CaseSensitive))
            QVERIFY2(planet.contains(p),
                     qPrintable(QStringLiteral("names %1 beside \"%2\"").arg(p, planet)));
    }
    if (letter.isEmpty())
        return;

    const auto group = std::find_if(kLetterSpellings.begin(), kLetterSpellings.end(),
                                    [&](const QStringList &g) { return g.contains(letter); });
    QVERIFY2(group != kLetterSpellings.end(), qPrintable(letter));
    QStringList spellings = *group;
    if (!spellings.contains(heading))
        spellings << heading;
    const QStringList used = wordsIn(text, spellings, Qt::CaseSensitive);
    for (const QString &w : used)
        QVERIFY2(w == letter || w == heading,
                 qPrintable(QStringLiteral("spells the letter %1, shown as %2").arg(w, letter)));
    if (!used.isEmpty())
        QVERIFY2(
            used.contains(heading),
            qPrintable(QStringLiteral("never names the path %1 as its heading does").arg(heading)));

    if (!statesMeaning)
        return;
    const QRegularExpression stated(
        QStringLiteral("\\b(?:%1|%2) means (?:an? |the )?([^,.;]+)")
            .arg(QRegularExpression::escape(letter), QRegularExpression::escape(heading)));
    const QRegularExpressionMatch m = stated.match(text);
    QVERIFY2(m.hasMatch(), "does not say what its letter means");
    const QString given = m.captured(1);
    const QStringList alternatives = meaning.split(QLatin1String(" or "));
    QVERIFY2(std::any_of(alternatives.begin(), alternatives.end(),
                         [&](const QString &a) { return given.startsWith(a); }),
             qPrintable(QStringLiteral("says \"%1\" beside \"%2\"").arg(given, meaning)));
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"

#include "ReadingTables.h"
#include "ReadingTexts.h"

#include <QFile>
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
    const QString head = window > 0 ? text.left(window)
                                    : text.left(sentenceEnd < 0 ? text.size() : sentenceEnd + 1);
    if (!opening.isEmpty()) {
        for (const QString &word : opening.split(u'|'))
            QVERIFY2(head.contains(word, Qt::CaseInsensitive),
                     qPrintable(QStringLiteral("opening lacks \"%1\": %2").arg(word, head)));
    }
}

void TestTexts::tables_areFilledInLoadingOrder()
{
    const ReadingTextTables &t = ReadingTexts();
    QCOMPARE(t.sphere[std::size_t(SphereText::Malkhuth)].size(), 774);
    QCOMPARE(t.sphere[std::size_t(SphereText::Daat)].size(), 586);
    QCOMPARE(t.angel[std::size_t(AngelText::Gabriel)].size(), 612);
    QCOMPARE(t.angel[std::size_t(AngelText::Kamael)].size(), 499);
    QCOMPARE(t.path[std::size_t(PathKey::He)].size(), 349);
    QCOMPARE(t.path[std::size_t(PathKey::Qoph)].size(), 371);
    QCOMPARE(PlaceholderPortrait().size(), 855);
    QCOMPARE(PathCardDescription(PathKey::He),
             QString::fromLatin1(readContent(QStringLiteral("pathcard/He-1"))
                                 + readContent(QStringLiteral("pathcard/He-2"))));
}

void TestTexts::loadingTwice_assignsTheSameTexts()
{
    const ReadingTextTables before = ReadingTexts();
    LoadReadingTexts();
    QCOMPARE(ReadingTexts().sphere, before.sphere);
    QCOMPARE(ReadingTexts().angel, before.angel);
    QCOMPARE(ReadingTexts().path, before.path);
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

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"

#include "AppIcon.h"
#include "CardPictures.h"
#include "HandCursor.h"
#include "PictureTestSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QSet>
#include <QtTest>

#include <climits>

using namespace Zorvane;
using namespace Zorvane::Testing;

Q_DECLARE_METATYPE(Zorvane::ImageList)

namespace {

// File stems as committed in content/cards, written out rather than derived from the names so a
// slip in the name-to-file rule shows up here.
const QHash<QString, QString> &expectedStems()
{
    static const QHash<QString, QString> stems{
        {"The Aces", "the-aces"},     {"The Eights", "the-eights"},
        {"The Fives", "the-fives"},   {"The Fours", "the-fours"},
        {"The Kings", "the-kings"},   {"The Nines", "the-nines"},
        {"The Pages", "the-pages"},   {"The Queens", "the-queens"},
        {"The Sevens", "the-sevens"}, {"The Sixes", "the-sixes"},
        {"The Tens", "the-tens"},     {"Death", "death"},
        {"Justice", "justice"},       {"Strength", "strength"},
        {"Temperance", "temperance"}, {"The Chariot", "the-chariot"},
        {"The Devil", "the-devil"},   {"The Emperor", "the-emperor"},
        {"The Hermit", "the-hermit"}, {"The Hierophant", "the-hierophant"},
        {"The Lovers", "the-lovers"}, {"The Moon", "the-moon"},
        {"The Star", "the-star"},
    };
    return stems;
}

const ImageList kLists[] = {ImageList::SephirothsOneCard, ImageList::SephirothsTwoCard,
                            ImageList::PathsCard};

} // namespace

class TestCardPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPositionShowsItsCard_data();
    void everyPositionShowsItsCard();
    void pictureFilesAreJpegsOfTheirSize_data();
    void pictureFilesAreJpegsOfTheirSize();
    void resourcesHoldExactlyTheDeck();
    void cardsAreDistinct();
    void positionsWithoutCardGiveNothing_data();
    void positionsWithoutCardGiveNothing();
    void densityFollowsTheApplication();
    void repeatedRequestsShareOneDecode();

    void handIsASmallPalettePicture();
    void handHotSpotIsTheFingerTip_data();
    void handHotSpotIsTheFingerTip();

    void iconShipsEverySize();
};

void TestCardPictures::everyPositionShowsItsCard_data()
{
    QTest::addColumn<ImageList>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("stem");
    for (const ImageList list : kLists) {
        for (int pos = 1; pos <= imageListSize(list); ++pos) {
            const QString name = imageListCardName(list, pos);
            QVERIFY2(expectedStems().contains(name), qPrintable(name));
            QTest::addRow("list%d/%d %s", int(list), pos, qPrintable(name))
                << list << pos << expectedStems().value(name);
        }
    }
}

void TestCardPictures::everyPositionShowsItsCard()
{
    QFETCH(ImageList, list);
    QFETCH(int, position);
    QFETCH(QString, stem);

    const QPixmap normal = cardPicture(list, position, 1.0);
    QVERIFY(!normal.isNull());
    QCOMPARE(normal.devicePixelRatio(), 1.0);
    QCOMPARE(normal.deviceIndependentSize().toSize(), kCardPictureSize);
    QCOMPARE(rgb(normal.toImage()), rgb(QImage(":/content/cards/" + stem + ".jpg")));

    const QPixmap dense = cardPicture(list, position, 2.0);
    QVERIFY(!dense.isNull());
    QCOMPARE(dense.devicePixelRatio(), 2.0);
    QCOMPARE(dense.size(), kCardPictureSize * 2);
    QCOMPARE(dense.deviceIndependentSize().toSize(), kCardPictureSize);
    QCOMPARE(rgb(dense.toImage()), rgb(QImage(":/content/cards/" + stem + "@2x.jpg")));

    // Fractional scaling still picks the sharper file.
    QCOMPARE(cardPicture(list, position, 1.25).devicePixelRatio(), 2.0);
}

void TestCardPictures::pictureFilesAreJpegsOfTheirSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    for (const QString &stem : expectedStems()) {
        QTest::newRow(qPrintable(stem)) << stem + ".jpg" << QSize(114, 150);
        QTest::newRow(qPrintable(stem + "@2x")) << stem + "@2x.jpg" << QSize(228, 300);
    }
}

void TestCardPictures::pictureFilesAreJpegsOfTheirSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QImageReader reader(":/content/cards/" + file);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), size);
    QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
}

void TestCardPictures::resourcesHoldExactlyTheDeck()
{
    QSet<QString> expected;
    for (const QString &stem : expectedStems())
        expected << stem + ".jpg" << stem + "@2x.jpg";
    const QStringList found = QDir(":/content/cards").entryList(QDir::Files);
    QCOMPARE(QSet<QString>(found.begin(), found.end()), expected);
}

void TestCardPictures::cardsAreDistinct()
{
    QSet<QByteArray> seen;
    int count = 0;
    for (const ImageList list : {ImageList::SephirothsOneCard, ImageList::PathsCard}) {
        for (int pos = 1; pos <= imageListSize(list); ++pos) {
            const QImage image = rgb(cardPicture(list, pos, 1.0).toImage());
            seen << QByteArray(reinterpret_cast<const char *>(image.constBits()),
                               int(image.sizeInBytes()));
            ++count;
        }
    }
    QCOMPARE(count, 23);
    QCOMPARE(seen.size(), count);
}

void TestCardPictures::positionsWithoutCardGiveNothing_data()
{
    QTest::addColumn<ImageList>("list");
    QTest::addColumn<int>("position");
    QTest::newRow("first sephira list, 12") << ImageList::SephirothsOneCard << 12;
    QTest::newRow("second sephira list, 12") << ImageList::SephirothsTwoCard << 12;
    for (const ImageList list : kLists) {
        for (const int pos : {0, 13, -1, INT_MIN, INT_MAX})
            QTest::addRow("list%d, %d", int(list), pos) << list << pos;
    }
}

void TestCardPictures::positionsWithoutCardGiveNothing()
{
    QFETCH(ImageList, list);
    QFETCH(int, position);
    QVERIFY(cardPicture(list, position).isNull());
    QVERIFY(cardPicture(list, position, 1.0).isNull());
    QVERIFY(cardPicture(list, position, 2.0).isNull());
}

void TestCardPictures::densityFollowsTheApplication()
{
    const qreal expected = qGuiApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    const QPixmap picture = cardPicture(ImageList::PathsCard, 11);
    QCOMPARE(picture.devicePixelRatio(), expected);
    QCOMPARE(picture.deviceIndependentSize().toSize(), kCardPictureSize);
}

void TestCardPictures::repeatedRequestsShareOneDecode()
{
    const QPixmap first = cardPicture(ImageList::SephirothsTwoCard, 7, 1.0);
    const QPixmap again = cardPicture(ImageList::SephirothsTwoCard, 7, 1.0);
    QCOMPARE(again.cacheKey(), first.cacheKey());
    // The 1x and 2x pictures are separate entries, not one rescaled.
    QVERIFY(cardPicture(ImageList::SephirothsTwoCard, 7, 2.0).cacheKey() != first.cacheKey());
}

void TestCardPictures::handIsASmallPalettePicture()
{
    QFile file(":/content/cursors/hand.png");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray png = file.readAll();
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(png.at(25)), 3); // colour type 3: palette

    const QPixmap pixmap = handPixmap();
    QCOMPARE(pixmap.size(), QSize(32, 32));
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours << image.pixel(x, y);
    }
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    // Black outline and white fill, so it shows on the navy display and on white alike.
    QVERIFY(colours.contains(qRgba(0, 0, 0, 255)));
    QVERIFY(colours.contains(qRgba(255, 255, 255, 255)));
}

void TestCardPictures::handHotSpotIsTheFingerTip_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("scale");
    // A screen that scales gets the hand drawn at twice the size.
    for (const qreal ratio : {1.0, 1.5, 2.0})
        QTest::addRow("ratio %g", ratio) << ratio << (ratio > 1 ? 2 : 1);
}

void TestCardPictures::handHotSpotIsTheFingerTip()
{
    QFETCH(qreal, ratio);
    QFETCH(int, scale);
    const QPixmap hand = handPixmap(ratio);
    QCOMPARE(hand.size(), QSize(32, 32) * scale);
    QCOMPARE(hand.deviceIndependentSize(), QSizeF(32, 32));
    const QImage image = hand.toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint hot = QPoint(kHandHotSpotX, kHandHotSpotY) * scale;
    QVERIFY(image.rect().contains(hot));
    QCOMPARE(image.pixel(hot), qRgba(0, 0, 0, 255));

    // The tip is the highest part of the hand, and the hot spot sits on it.
    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                top = y;
                break;
            }
        }
    }
    QCOMPARE(hot.y(), top);
    if (scale > 1)
        return;

    const QCursor cursor = handCursor();
    QCOMPARE(cursor.hotSpot(), hot);
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
}

void TestCardPictures::iconShipsEverySize()
{
    const QList<QSize> available = appIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/content/icons/zorvane-%1.png").arg(size));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(size, size));
        // The window icon carries the small sizes; the large ones are installed for the desktop.
        QCOMPARE(available.contains(QSize(size, size)), size <= 64);
    }
}

QTEST_MAIN(TestCardPictures)
#include "tst_cardpictures.moc"

#include "ApplyReading.h"
#include "CardPictures.h"
#include "Design.h"
#include "DiagramItem.h"
#include "DisplayWindow.h"
#include "PictureTestSupport.h"
#include "Reading.h"
#include "ReadingBinding.h"
#include "ReadingTexts.h"
#include "TabControl.h"
#include "TreeOfLife.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

using namespace Zorvane;
using namespace Zorvane::Testing;

namespace {

// Everything a reading could change, to tell whether anything did.
QStringList snapshot(const DisplayWindow &d)
{
    QStringList state;
    for (const QLabel *l : d.findChildren<QLabel *>()) {
        state << l->objectName() + u'=' + l->text() + u'|' + QString::number(l->isVisibleTo(&d)) +
                     u'|' + QString::number(l->pixmap().cacheKey()) + u'|' +
                     QString::number(l->width());
    }
    for (const QPlainTextEdit *p : d.findChildren<QPlainTextEdit *>())
        state << p->objectName() + u'=' + p->toPlainText();
    for (const DiagramItem *item : d.findChildren<DiagramItem *>())
        state << item->objectName() + u'=' + item->color().name();
    return state;
}

} // namespace

class TestApplyReading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySignFillsTheDisplay_data();
    void everySignFillsTheDisplay();
    void noSignWritesNothing_data();
    void noSignWritesNothing();
    void aMissingControlLosesOnlyItsOwnValue();
    void binding_namesEveryControlOnceAndNoticesARenamedOne();
};

void TestApplyReading::initTestCase()
{
    installFontSubstitutes();
    LoadReadingTexts();
}

void TestApplyReading::everySignFillsTheDisplay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("sign");
    QTest::addColumn<QString>("trump");
    QTest::addColumn<int>("circleOne");
    QTest::addColumn<int>("circleTwo");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QPoint>("lineMiddle");

    // Month and day as list positions; the line's middle in Frame2's pixels.
    QTest::newRow("Aries, 14 April")
        << 3 << 13 << int(SunSign::Aries) << "lblAries" << 1 << 5 << "ln26" << QPoint(164, 180);
    QTest::newRow("Taurus, 1 May")
        << 4 << 0 << int(SunSign::Taurus) << "lblTaurus" << 1 << 3 << "ln24" << QPoint(216, 144);
    QTest::newRow("Gemini, 1 June")
        << 5 << 0 << int(SunSign::Gemini) << "lblGemini" << 2 << 5 << "ln36" << QPoint(88, 172);
    QTest::newRow("Cancer, 1 July")
        << 6 << 0 << int(SunSign::Cancer) << "lblCancer" << 2 << 4 << "ln35" << QPoint(40, 140);
    QTest::newRow("Leo, 1 August")
        << 7 << 0 << int(SunSign::Leo) << "lblLeo" << 3 << 4 << "ln45" << QPoint(124, 184);
    QTest::newRow("Virgo, 1 September")
        << 8 << 0 << int(SunSign::Virgo) << "lblVirgo" << 3 << 5 << "ln46" << QPoint(164, 220);
    QTest::newRow("Libra, 1 October")
        << 9 << 0 << int(SunSign::Libra) << "lblLibra" << 4 << 5 << "ln56" << QPoint(92, 220);
    QTest::newRow("Scorpio, 1 November")
        << 10 << 0 << int(SunSign::Scorpio) << "lblScorpio" << 5 << 6 << "ln67" << QPoint(168, 296);
    QTest::newRow("Sagittarius, 1 December")
        << 11 << 0 << int(SunSign::Sagittarius) << "lblSagittarius" << 5 << 8 << "ln69"
        << QPoint(128, 324);
    QTest::newRow("Capricorn, 10 January") << 0 << 9 << int(SunSign::Capricorn) << "lblCapricorn"
                                           << 5 << 7 << "ln68" << QPoint(88, 296);
    QTest::newRow("Capricorn, 25 December") << 11 << 24 << int(SunSign::Capricorn) << "lblCapricorn"
                                            << 5 << 7 << "ln68" << QPoint(88, 296);
    QTest::newRow("Aquarius, 1 February") << 1 << 0 << int(SunSign::Aquarius) << "lblAquarius" << 6
                                          << 8 << "ln79" << QPoint(168, 356);
    QTest::newRow("Pisces, 14 March")
        << 2 << 13 << int(SunSign::Pisces) << "lblPisces" << 6 << 9 << "ln710" << QPoint(176, 392);
}

void TestApplyReading::everySignFillsTheDisplay()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, sign);
    QFETCH(QString, trump);
    QFETCH(int, circleOne);
    QFETCH(int, circleTwo);
    QFETCH(QString, line);
    QFETCH(QPoint, lineMiddle);

    DisplayWindow d;
    ApplyReading(d, qint16(month), qint16(day));
    const Reading r = buildReading(SunSign(sign));

    const QList<QPair<const char *, QString>> captions{
        {"lblOneSphereHead", r.One.Head},
        {"lblOneSphereSign", r.One.SphereSign},
        {"lblOnePositionInTreeOfLife", r.One.Position},
        {"lblOnePlanetaryRuler", r.One.PlanetaryRuler},
        {"lblOneArchangel", r.One.Archangel},
        {"lblOneLuckyDay", r.One.LuckyDay},
        {"lblOneColor", r.One.Color},
        {"lblOneWood", r.One.Wood},
        {"lblOneKeyword", r.One.Keyword},
        {"lblOneMetal", r.One.Metal},
        {"lbSephirothSOneCardName", r.One.CardName},
        {"lblTwoSphereHead", r.Two.Head},
        {"lblTwoSphereSign", r.Two.SphereSign},
        {"lblTwoPositionInTreeOfLife", r.Two.Position},
        {"lblTwoPlanetaryRuler", r.Two.PlanetaryRuler},
        {"lblTwoArchangel", r.Two.Archangel},
        {"lblTwoLuckyDay", r.Two.LuckyDay},
        {"lblTwoColor", r.Two.Color},
        {"lblTwoWood", r.Two.Wood},
        {"lblTwoKeyword", r.Two.Keyword},
        {"lblTwoMetal", r.Two.Metal},
        {"lbSephirothSTwoCardName", r.Two.CardName},
        {"lblPathName", r.Path.Name},
        {"lblHebrewLetter", r.Path.HebrewLetter},
        {"lblLocation", r.Path.Location},
        {"lblCorrespondingPlanet", r.Path.Planet},
        {"lblYetsiraticAttribution", r.Path.YetsiraticAttribution},
        {"lblColor", r.Path.Color},
        {"lblElement", r.Path.Element},
        {"lblPathsCardName", r.Path.CardName},
        {"lblSunSignName", r.SunSignName},
        {"lblSunSignDesc", r.SunSignDesc},
        {"lblLiesPathName", r.Path.Name},
    };
    for (const auto &[name, value] : captions) {
        auto *l = d.findChild<QLabel *>(QLatin1StringView(name));
        QVERIFY2(l, name);
        QCOMPARE(l->text(), value);
        if (!l->wordWrap()) {
            QCOMPARE(l->width(), QFontMetrics(l->font()).horizontalAdvance(value));
        }
    }
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblSunSignName"))->text(),
             sunSignName(SunSign(sign)));

    const QList<QPair<const char *, QString>> texts{
        {"txtOneSphereDesc", r.One.SphereDesc},      {"txtOneAngelDesc", r.One.AngelDesc},
        {"txtOneSephriothCardDesc", r.One.CardDesc}, {"txtTwoSphereDesc", r.Two.SphereDesc},
        {"txtTwoAngelDesc", r.Two.AngelDesc},        {"txtTwoSephriothCardDesc", r.Two.CardDesc},
        {"txtPathDecs", r.Path.Description},         {"txtAboutYourPathsCards", r.Path.CardDesc},
    };
    for (const auto &[name, value] : texts) {
        auto *p = d.findChild<QPlainTextEdit *>(QLatin1StringView(name));
        QVERIFY2(p, name);
        QVERIFY2(!value.isEmpty(), name);
        QCOMPARE(p->toPlainText(), value);
    }

    const struct
    {
        const char *box;
        ImageList list;
        int position;
    } pictures[] = {
        {"PicOneSephirothsCard", ImageList::SephirothsOneCard, r.One.CardPicture},
        {"PicTwoSephirothsCard", ImageList::SephirothsTwoCard, r.Two.CardPicture},
        {"picPathsCard", ImageList::PathsCard, r.Path.CardPicture},
    };
    for (const auto &p : pictures) {
        auto *box = d.findChild<QLabel *>(QLatin1StringView(p.box));
        QVERIFY2(box, p.box);
        QCOMPARE(rgb(box->pixmap()), rgb(cardPicture(p.list, p.position)));
        QCOMPARE(box->size(), QSize(116, 152));
    }

    // The diagram: exactly the two spheres and the path in the highlight colour, one trump shown.
    TreeOfLife *tree = d.treeOfLife();
    for (const DiagramItem *item : tree->findChildren<DiagramItem *>()) {
        const bool marked = item->objectName() == QStringLiteral("ShpCircle(%1)").arg(circleOne) ||
                            item->objectName() == QStringLiteral("ShpCircle(%1)").arg(circleTwo) ||
                            item->objectName() == line;
        if (marked)
            QCOMPARE(item->color(), kHighlightMagenta);
        else
            QVERIFY2(item->color() != kHighlightMagenta, qPrintable(item->objectName()));
    }
    QStringList shownTrumps;
    for (const char *label :
         {"lblAries", "lblTaurus", "lblGemini", "lblCancer", "lblLeo", "lblVirgo", "lblLibra",
          "lblScorpio", "lblSagittarius", "lblCapricorn", "lblAquarius", "lblPisces"}) {
        if (tree->findChild<QLabel *>(QLatin1StringView(label))->isVisibleTo(tree))
            shownTrumps << QLatin1StringView(label);
    }
    QCOMPARE(shownTrumps, QStringList{trump});

    const QPoint centres[] = {{128, 28},  {208, 92}, {48, 92},   {208, 188}, {48, 188}, {128, 260},
                              {208, 324}, {48, 324}, {128, 388}, {128, 460}, {128, 124}};
    const QImage image = paintedDiagram(*tree);
    for (int i = 0; i < 11; ++i) {
        const QColor expected = i == circleOne || i == circleTwo ? kHighlightMagenta : kGrey;
        QCOMPARE(QColor(image.pixel(centres[i])), expected);
    }
    QCOMPARE(QColor(image.pixel(lineMiddle)), kHighlightMagenta);
    // ln16 stays hidden behind Daat, whose rim stays cyan.
    QCOMPARE(QColor(image.pixel(128, 110)), kGrey);
    bool cyanRim = false;
    for (int y = 118; y <= 131 && !cyanRim; ++y)
        cyanRim = QColor(image.pixel(104, y)) == QColor(0, 255, 255);
    QVERIFY(cyanRim);

    // Applying neither shows the window nor turns its tab.
    QVERIFY(!d.isVisible());
    QCOMPARE(d.tabs()->currentIndex(), 0);
}

void TestApplyReading::noSignWritesNothing_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("no day selected") << 5 << -1;
    QTest::newRow("30 February") << 1 << 29;
    QTest::newRow("32 January") << 0 << 31;
}

void TestApplyReading::noSignWritesNothing()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QVERIFY(!SignFromDate(qint16(month), qint16(day)));

    DisplayWindow d;
    const QStringList before = snapshot(d);
    const QImage diagram = paintedDiagram(*d.treeOfLife());
    ApplyReading(d, qint16(month), qint16(day));
    QCOMPARE(snapshot(d), before);
    QCOMPARE(paintedDiagram(*d.treeOfLife()), diagram);
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblSunSignDesc"))->text(),
             placeholderPortrait());
}

void TestApplyReading::aMissingControlLosesOnlyItsOwnValue()
{
    DisplayWindow d;
    for (const char *name :
         {"lblOneArchangel", "txtPathDecs", "PicOneSephirothsCard", "lblPisces", "lblSunSignDesc"})
        delete d.findChild<QWidget *>(QLatin1StringView(name));

    ApplyReading(d, 2, 13);
    const Reading r = buildReading(SunSign::Pisces);
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblOneLuckyDay"))->text(), r.One.LuckyDay);
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblTwoArchangel"))->text(), r.Two.Archangel);
    QCOMPARE(d.findChild<QPlainTextEdit *>(QStringLiteral("txtAboutYourPathsCards"))->toPlainText(),
             r.Path.CardDesc);
    QCOMPARE(rgb(d.findChild<QLabel *>(QStringLiteral("PicTwoSephirothsCard"))->pixmap()),
             rgb(cardPicture(ImageList::SephirothsTwoCard, r.Two.CardPicture)));
    QCOMPARE(d.treeOfLife()->circle(6)->color(), kHighlightMagenta);
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lbSephirothSTwoCardName"))->text(),
             QStringLiteral("The Tens"));

    // The sphere help still works without the portrait it clears on.
    d.ShowSphereInfo(9);
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblSphereName"))->text(),
             QStringLiteral("Malkhuth"));
    d.ClearSphereInfo();
}

void TestApplyReading::binding_namesEveryControlOnceAndNoticesARenamedOne()
{
    DisplayWindow d;
    QVERIFY(missingReadingControls(d).isEmpty());

    // No two values of a reading share a control.
    QStringList names;
    for (const ReadingField &f : kReadingFields) {
        for (int slot = 0; slot < slotCount(f); ++slot)
            names << QLatin1StringView(f.controls[std::size_t(slot)]);
    }
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());

    // A control renamed in the layout alone is reported, and only that one.
    d.findChild<QLabel *>(QStringLiteral("lblOneWood"))
        ->setObjectName(QStringLiteral("lblOneTimber"));
    QCOMPARE(missingReadingControls(d), QStringList{QStringLiteral("lblOneWood")});
}

QTEST_MAIN(TestApplyReading)
#include "tst_applyreading.moc"

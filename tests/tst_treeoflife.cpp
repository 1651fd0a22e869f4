#include "Design.h"
#include "DiagramItem.h"
#include "PictureTestSupport.h"
#include "TreeOfLife.h"
#include "WrapLabel.h"

#include <QLabel>
#include <QtTest>

using namespace Zorvane;
using namespace Zorvane::Testing;

namespace {

// Frame2's client area, 5295 x 7455 twips.
const QSize kFrame2Size(353, 497);
const QColor kCyanRim(0, 255, 255);
const QColor kLeafGreen(139, 193, 119);

// A circle or line of the diagram by its design name (ShpCircle(9), ln710, Line3).
DiagramItem *item(const TreeOfLife &tree, const char *name)
{
    return tree.findChild<DiagramItem *>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestTreeOfLife : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void sphereLabelsSitOverTheirCircles_data();
    void sphereLabelsSitOverTheirCircles();
    void sphereCaptionsBreakWhereTheirBlanksSay_data();
    void sphereCaptionsBreakWhereTheirBlanksSay();
    void sphereLabelsLookAndPoint();
    void pathLinesRunRimToRim();
    void pathNamesAndLeaderLines();
    void trumpLabelsStartHidden();
    void initialDiagramIsGrey();
    void stackingHidesLn16BehindDaat();
    void daatKeepsItsDottedRim();
    void numberedCirclesHaveNoRim();
    void recolouringRepaints();
    void backgroundExcludesShapesAndLines();
};

void TestTreeOfLife::sphereLabelsSitOverTheirCircles_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("circle");
    QTest::addColumn<QRect>("label");
    QTest::addColumn<QString>("caption");
    // Twips of the layout divided by 15.
    QTest::newRow("Keter") << 0 << QRect(104, 8, 49, 41) << QRect(104, 8, 49, 41) << "   1   Keter";
    QTest::newRow("Chokmah") << 1 << QRect(184, 72, 49, 41) << QRect(176, 72, 65, 41)
                             << " 2 Chokmah";
    QTest::newRow("Binah") << 2 << QRect(24, 72, 49, 41) << QRect(24, 72, 49, 41)
                           << "     3     Binah";
    QTest::newRow("Chesed") << 3 << QRect(184, 168, 49, 41) << QRect(184, 168, 49, 41)
                            << " 4 Chesed";
    QTest::newRow("Gevurah") << 4 << QRect(24, 168, 49, 41) << QRect(16, 168, 57, 41)
                             << "5 Gevurah";
    QTest::newRow("Tiphereth") << 5 << QRect(104, 240, 49, 41) << QRect(96, 240, 65, 41)
                               << "6 Tiphereth";
    QTest::newRow("Netzach") << 6 << QRect(184, 304, 49, 41) << QRect(176, 304, 65, 41)
                             << " 7 Netzach";
    QTest::newRow("Hod") << 7 << QRect(24, 304, 49, 41) << QRect(24, 304, 49, 41) << "    8    Hod";
    QTest::newRow("Yesod") << 8 << QRect(104, 368, 49, 41) << QRect(104, 368, 49, 41)
                           << " 9  Yesod";
    QTest::newRow("Malkhuth") << 9 << QRect(104, 440, 49, 41) << QRect(96, 440, 63, 41)
                              << " 10 Malkhuth";
    QTest::newRow("Daat") << 10 << QRect(104, 104, 49, 41) << QRect(104, 104, 49, 41)
                          << "         Daat";
}

void TestTreeOfLife::sphereLabelsSitOverTheirCircles()
{
    QFETCH(int, index);
    QFETCH(QRect, circle);
    QFETCH(QRect, label);
    QFETCH(QString, caption);

    TreeOfLife tree;
    tree.resize(kFrame2Size);
    QCOMPARE(tree.objectName(), QStringLiteral("Frame2"));
    auto *shape = tree.findChild<DiagramItem *>(QStringLiteral("ShpCircle(%1)").arg(index));
    QVERIFY(shape);
    QCOMPARE(shape, tree.circle(index));
    QCOMPARE(shape->kind(), DiagramItem::Kind::Oval);
    QCOMPARE(shape->box(), QRectF(circle));

    auto *l = tree.findChild<QLabel *>(QStringLiteral("lblClick(%1)").arg(index));
    QVERIFY(l);
    QCOMPARE(l->geometry(), label);
    QCOMPARE(l->text(), caption);
    QVERIFY(l->geometry().contains(circle));
}

void TestTreeOfLife::sphereCaptionsBreakWhereTheirBlanksSay_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("secondLine");
    QTest::newRow("Keter") << 0 << "1"
                           << "Keter";
    QTest::newRow("Chokmah") << 1 << "2"
                             << "Chokmah";
    QTest::newRow("Binah") << 2 << "3"
                           << "Binah";
    QTest::newRow("Chesed") << 3 << "4"
                            << "Chesed";
    QTest::newRow("Gevurah") << 4 << "5"
                             << "Gevurah";
    QTest::newRow("Tiphereth") << 5 << "6"
                               << "Tiphereth";
    QTest::newRow("Netzach") << 6 << "7"
                             << "Netzach";
    QTest::newRow("Hod") << 7 << "8"
                         << "Hod";
    QTest::newRow("Yesod") << 8 << "9"
                           << "Yesod";
    QTest::newRow("Malkhuth") << 9 << "10"
                              << "Malkhuth";
    QTest::newRow("Daat carries no number") << 10 << ""
                                            << "Daat";
}

void TestTreeOfLife::sphereCaptionsBreakWhereTheirBlanksSay()
{
    QFETCH(int, index);
    QFETCH(QString, firstLine);
    QFETCH(QString, secondLine);

    TreeOfLife tree;
    tree.resize(kFrame2Size);
    auto *l = qobject_cast<WrapLabel *>(tree.sphereLabel(index));
    QVERIFY(l);
    const QStringList lines = l->wrappedLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].trimmed(), firstLine);
    QCOMPARE(lines[1], secondLine);
    // The blanks before the number stay; those at the break go.
    QVERIFY(l->text().startsWith(lines[0]));
}

void TestTreeOfLife::sphereLabelsLookAndPoint()
{
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    for (int i = 0; i < kSphereCount; ++i) {
        QLabel *l = tree.sphereLabel(i);
        QVERIFY(l);
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 255, 255));
        QCOMPARE(l->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(l->font().pointSizeF(), 8.25);
        QVERIFY(l->font().bold());
        QVERIFY(!l->font().underline());
        QVERIFY(l->alignment() & Qt::AlignHCenter);
        QVERIFY(l->wordWrap());
        QVERIFY(!l->autoFillBackground());
        QVERIFY(l->hasMouseTracking());
        QCOMPARE(l->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(l->isVisibleTo(&tree));
    }
    // Daat's label is in front of everything, the hint over the other labels.
    const QObjectList &children = tree.children();
    QList<QWidget *> widgets;
    for (QObject *o : children) {
        if (auto *w = qobject_cast<QWidget *>(o))
            widgets.append(w);
    }
    QCOMPARE(widgets.last()->objectName(), QStringLiteral("lblClick(10)"));
    const auto stackIndex = [&](const char *name) {
        return widgets.indexOf(tree.findChild<QWidget *>(QLatin1StringView(name)));
    };
    for (const char *label : {"lblClick(0)", "lblClick(9)", "Label22", "lblPisces"}) {
        QVERIFY(stackIndex(label) < stackIndex("ImgMoveMouseButton"));
        QVERIFY(stackIndex(label) < stackIndex("lblMoveMouseButton"));
    }

    auto *hint = tree.findChild<QLabel *>(QStringLiteral("lblMoveMouseButton"));
    QVERIFY(hint);
    QCOMPARE(hint->text(), QStringLiteral("Move Your Mouse Button"));
    QCOMPARE(hint->size(), QSize(81, 25));
    QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(!hint->font().bold());
    QVERIFY(!hint->isVisibleTo(&tree));
    auto *image = tree.findChild<QLabel *>(QStringLiteral("ImgMoveMouseButton"));
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(32, 32));
    QVERIFY(!image->pixmap().isNull());
    QVERIFY(!image->isVisibleTo(&tree));
}

void TestTreeOfLife::pathLinesRunRimToRim()
{
    struct Expected
    {
        const char *name;
        QLine line;
    };
    const Expected lines[] = {
        {"ln12", {144, 40, 200, 72}},    {"ln13", {120, 32, 48, 80}},
        {"ln16", {128, 48, 128, 240}},   {"ln23", {64, 96, 184, 96}},
        {"ln24", {216, 112, 216, 176}},  {"ln26", {200, 104, 128, 256}},
        {"ln35", {40, 104, 40, 176}},    {"ln36", {56, 104, 120, 240}},
        {"ln45", {64, 184, 184, 184}},   {"ln46", {192, 192, 136, 248}},
        {"ln47", {216, 208, 216, 312}},  {"ln56", {64, 192, 120, 248}},
        {"ln58", {40, 200, 40, 312}},    {"ln67", {144, 272, 192, 320}},
        {"ln68", {112, 272, 64, 320}},   {"ln69", {128, 280, 128, 368}},
        {"ln78", {72, 320, 192, 320}},   {"ln79", {192, 336, 144, 376}},
        {"ln710", {208, 336, 144, 448}}, {"ln89", {64, 336, 112, 384}},
        {"ln810", {48, 336, 112, 448}},  {"ln910", {128, 408, 128, 440}},
    };
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    int count = 0;
    for (const Expected &e : lines) {
        auto *line = item(tree, e.name);
        QVERIFY2(line, e.name);
        QCOMPARE(line->kind(), DiagramItem::Kind::Line);
        QCOMPARE(line->line(), QLineF(e.line));
        QCOMPARE(line->width(), 6);
        ++count;
    }
    int lineItems = 0;
    for (const DiagramItem *item : tree.findChildren<DiagramItem *>()) {
        if (item->objectName().startsWith(u"ln"))
            ++lineItems;
    }
    QCOMPARE(lineItems, count);
}

void TestTreeOfLife::pathNamesAndLeaderLines()
{
    struct Expected
    {
        const char *label;
        QString caption;
        QPoint pos;
        const char *leader;
        QLine line;
    };
    const Expected names[] = {
        {"Label10", QStringLiteral("Path of H\u00e9"), {248, 112}, "Line1", {192, 120, 240, 120}},
        {"Label13", "Path of Vau", {248, 160}, "Line2", {216, 168, 240, 168}},
        {"Label11", "Path of Zain", {192, 24}, "Line3", {72, 136, 184, 40}},
        {"Label12", "Path of Cheth", {248, 144}, "Line4", {40, 152, 240, 152}},
        {"Label21", "Path of Teth", {248, 248}, "Line12", {104, 184, 240, 256}},
        {"Label15", "Path of Yod", {248, 216}, "Line7", {160, 224, 240, 224}},
        {"Label16", "Path of Lamed", {248, 232}, "Line6", {112, 240, 240, 240}},
        {"Label17", "Path of Nun", {248, 296}, "Line8", {176, 304, 240, 304}},
        {"Label20", "Path of Samekh", {248, 344}, "Line10", {128, 352, 240, 352}},
        {"Label18", "Path of Ayin", {248, 272}, "Line5", {104, 280, 240, 280}},
        {"Label14", "Path of Tzaddi", {248, 360}, "Line9", {152, 368, 240, 368}},
        {"Label22", "Path of Qoph", {248, 400}, "Line11", {168, 408, 240, 408}},
    };
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    for (const Expected &e : names) {
        auto *l = tree.findChild<QLabel *>(QLatin1StringView(e.label));
        QVERIFY2(l, e.label);
        QCOMPARE(l->text(), e.caption);
        QCOMPARE(l->pos(), e.pos);
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QVERIFY(l->font().bold() && l->font().underline());
        QCOMPARE(l->size(), QSize(QFontMetrics(l->font()).horizontalAdvance(e.caption),
                                  QFontMetrics(l->font()).height()));
        QVERIFY(l->isVisibleTo(&tree));

        auto *leader = item(tree, e.leader);
        QVERIFY2(leader, e.leader);
        QCOMPARE(leader->line(), QLineF(e.line));
        QCOMPARE(leader->width(), 2);
        QCOMPARE(leader->color(), kLeafGreen);
    }
}

void TestTreeOfLife::trumpLabelsStartHidden()
{
    struct Expected
    {
        const char *label;
        const char *caption;
        QPoint pos;
    };
    const Expected trumps[] = {
        {"lblAries", "The Emperor", {136, 152}},     {"lblTaurus", "The Hierophant", {192, 128}},
        {"lblGemini", "The Lovers", {48, 152}},      {"lblCancer", "The Chariot", {0, 136}},
        {"lblLeo", "Strength", {120, 176}},          {"lblVirgo", "The Hermit", {152, 208}},
        {"lblLibra", "Justice", {64, 208}},          {"lblScorpio", "Death", {144, 288}},
        {"lblSagittarius", "Temperance", {88, 336}}, {"lblCapricorn", "The Devil", {56, 288}},
        {"lblAquarius", "The Star", {136, 352}},     {"lblPisces", "The Moon", {136, 416}},
    };
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    for (const Expected &e : trumps) {
        auto *l = tree.findChild<QLabel *>(QLatin1StringView(e.label));
        QVERIFY2(l, e.label);
        QCOMPARE(l->text(), QLatin1StringView(e.caption));
        QCOMPARE(l->pos(), e.pos);
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QVERIFY(l->font().bold() && !l->font().underline());
        QVERIFY(!l->autoFillBackground());
        QVERIFY(!l->isVisibleTo(&tree));
    }
}

void TestTreeOfLife::initialDiagramIsGrey()
{
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    int circles = 0;
    for (const DiagramItem *item : tree.findChildren<DiagramItem *>()) {
        if (item->objectName().startsWith(u"Line"))
            continue;
        QCOMPARE(item->color(), kGrey);
        if (item->kind() == DiagramItem::Kind::Oval)
            ++circles;
    }
    QCOMPARE(circles, 11);
    QCOMPARE(tree.palette().color(QPalette::Window), QColor(0, 0, 64));

    const QImage image = paintedDiagram(tree);
    QCOMPARE(pixel(image, 128, 28), kGrey);  // Keter's centre
    QCOMPARE(pixel(image, 208, 324), kGrey); // Netzach's centre
    QCOMPARE(pixel(image, 176, 392), kGrey); // the middle of ln710
    QCOMPARE(pixel(image, 300, 480), QColor(0, 0, 64));
}

void TestTreeOfLife::stackingHidesLn16BehindDaat()
{
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    item(tree, "ln16")->setColor(Qt::red);
    const QImage image = tree.grab().toImage();
    // Above and below Daat the line shows; over Daat's circle it does not.
    QCOMPARE(pixel(image, 128, 80), QColor(Qt::red));
    QCOMPARE(pixel(image, 128, 200), QColor(Qt::red));
    QCOMPARE(pixel(image, 128, 110), kGrey); // inside Daat, above its caption
    QVERIFY(pixel(image, 128, 124) != QColor(Qt::red));
    // Circles cover the ends of the lines that reach into them.
    QCOMPARE(pixel(paintedDiagram(tree), 128, 260), kGrey); // Tiphereth, where ln16 ends
}

void TestTreeOfLife::daatKeepsItsDottedRim()
{
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    DiagramItem *daat = tree.circle(10);
    QCOMPARE(daat->rimColor(), kCyanRim);
    daat->setColor(kHighlightMagenta);
    const QImage image = tree.grab().toImage();

    // A solid rim would be about 140 pixels round; a dotted one leaves gaps, and every dot lies
    // on the oval's edge.
    const QImage rim = paintedDiagram(tree);
    int cyan = 0;
    for (int y = 100; y < 150; ++y) {
        for (int x = 100; x < 158; ++x) {
            if (pixel(rim, x, y) != kCyanRim)
                continue;
            ++cyan;
            const double dx = (x + 0.5 - 128.5) / 24.5;
            const double dy = (y + 0.5 - 124.5) / 20.5;
            const double r = std::sqrt(dx * dx + dy * dy);
            QVERIFY2(r > 0.85 && r < 1.1, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY2(cyan >= 25 && cyan <= 100, qPrintable(QString::number(cyan)));
    QCOMPARE(pixel(image, 128, 110), kHighlightMagenta);
}

void TestTreeOfLife::numberedCirclesHaveNoRim()
{
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    for (int i = 0; i < 10; ++i)
        QVERIFY(!tree.circle(i)->rimColor().isValid());
    const QImage image = paintedDiagram(tree);
    // Hod's left edge and Malkhuth's bottom edge carry nothing cyan.
    for (int y = 318; y <= 330; ++y) {
        for (int x = 23; x <= 27; ++x)
            QVERIFY(pixel(image, x, y) != kCyanRim);
    }
    for (int x = 120; x <= 136; ++x)
        QVERIFY(pixel(image, x, 480) != kCyanRim);
}

void TestTreeOfLife::recolouringRepaints()
{
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    QSignalSpy changed(tree.circle(3), &DiagramItem::colorChanged);
    tree.circle(3)->setColor(kHighlightMagenta);
    QCOMPARE(changed.count(), 1);
    item(tree, "ln24")->setColor(kHighlightMagenta);
    const QImage image = paintedDiagram(tree);
    QCOMPARE(pixel(image, 208, 188), kHighlightMagenta); // Chesed's centre
    QCOMPARE(pixel(image, 216, 144), kHighlightMagenta); // the middle of ln24
    QCOMPARE(pixel(image, 128, 184), kGrey);             // ln45 untouched
}

void TestTreeOfLife::backgroundExcludesShapesAndLines()
{
    TreeOfLife tree;
    tree.resize(kFrame2Size);
    QVERIFY(tree.isBackground(QPoint(300, 480)));
    QVERIFY(tree.isBackground(QPoint(60, 20)));
    QVERIFY(!tree.isBackground(QPoint(128, 28)));  // Keter
    QVERIFY(!tree.isBackground(QPoint(128, 80)));  // ln16
    QVERIFY(!tree.isBackground(QPoint(176, 392))); // ln710
    QVERIFY(!tree.isBackground(QPoint(220, 120))); // the leader to "Path of He"
    QVERIFY(tree.isBackground(QPoint(124, 80)));   // just beside ln16
}

QTEST_MAIN(TestTreeOfLife)
#include "tst_treeoflife.moc"

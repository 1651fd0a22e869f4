#include "ApplyReading.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FrameWindow.h"
#include "Navigator.h"
#include "PictureTestSupport.h"
#include "ReadingTexts.h"
#include "TabControl.h"
#include "TabStrip.h"
#include "TreeOfLife.h"

#include "WindowTestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace Zorvane;
using namespace Zorvane::Testing;

namespace {

template <typename T = QWidget> T *child(const QWidget &root, const char *name)
{
    return root.findChild<T *>(QLatin1StringView(name));
}

QString helpName(const DisplayWindow &d)
{
    return child<QLabel>(d, "lblSphereName")->text();
}

QString helpText(const DisplayWindow &d)
{
    return child<QLabel>(d, "lblSphereDesc")->text();
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { useTestSeams(); }

    void wheelLeavesTheTab_keysStillSwitchIt();
    void textPanelsNeverScrollSideways();
    void openDateListsUseTheClosedBoxColours();
    void tabChain_endsOnTheDiagram_withoutInvisibleStops();
    void arrowsWalkTheSpheres_andWriteTheHelpAsHoveringDoes();
    void focusedSphereCarriesAMark();

private:
    std::unique_ptr<DisplayWindow> activeDisplay();
    // Tab from the last text panel into the diagram.
    static bool tabIntoDiagram(DisplayWindow &d);
};

void TestKeyboard::initTestCase()
{
    setUpWindowTests(QStringLiteral("tst_keyboard"));
    LoadReadingTexts();
}

std::unique_ptr<DisplayWindow> TestKeyboard::activeDisplay()
{
    auto d = std::make_unique<DisplayWindow>();
    d->move(0, 0);
    d->show();
    d->activateWindow();
    if (!QTest::qWaitForWindowActive(d.get()))
        return nullptr;
    return d;
}

bool TestKeyboard::tabIntoDiagram(DisplayWindow &d)
{
    d.tabs()->setCurrentIndex(1);
    auto *last = child<QPlainTextEdit>(d, "txtAboutYourPathsCards");
    last->setFocus(Qt::TabFocusReason);
    if (!last->hasFocus())
        return false;
    QTest::keyClick(last, Qt::Key_Tab);
    return d.treeOfLife()->hasFocus();
}

void TestKeyboard::wheelLeavesTheTab_keysStillSwitchIt()
{
    auto d = activeDisplay();
    QVERIFY(d);
    TabStrip *strip = d->tabs()->tabBar();
    const QPoint over = strip->tabRect(0).center();
    for (const int delta : {-120, 120, -120}) {
        QWheelEvent wheel(over, strip->mapToGlobal(over), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(strip, &wheel);
        QCOMPARE(d->tabs()->currentIndex(), 0);
    }

    strip->setFocus(Qt::TabFocusReason);
    QTest::keyClick(strip, Qt::Key_Right);
    QCOMPARE(d->tabs()->currentIndex(), 1);
}

void TestKeyboard::textPanelsNeverScrollSideways()
{
    // Every sign's texts: some wrap into lines a few pixels wider than their panel.
    for (qint16 month = 1; month <= 12; ++month) {
        auto d = activeDisplay();
        QVERIFY(d);
        ApplyReading(*d, month, 14);
        for (int tab = 0; tab < 2; ++tab) {
            d->tabs()->setCurrentIndex(tab);
            for (QPlainTextEdit *panel : d->tabs()->page(tab)->findChildren<QPlainTextEdit *>()) {
                const QString where =
                    QStringLiteral("%1 in month %2").arg(panel->objectName()).arg(month);
                QVERIFY2(!panel->toPlainText().isEmpty(), qPrintable(where));
                QWidget *page = panel->viewport();
                const QPoint at = page->rect().center();
                for (const int delta : {-120, -360, 120, -120}) {
                    QWheelEvent tilt(at, page->mapToGlobal(at), QPoint(), QPoint(delta, 0),
                                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(page, &tilt);
                }
                QTest::keyClick(panel, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
                QVERIFY2(panel->horizontalScrollBar()->value() == 0, qPrintable(where));
            }
        }
    }
}

void TestKeyboard::openDateListsUseTheClosedBoxColours()
{
    Navigator app;
    EntryForm &form = app.entryForm();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char *name : {"cboDate", "cboMonth", "cboYear"}) {
        auto *box = child<QComboBox>(form, name);
        box->showPopup();
        QAbstractItemView *list = box->view();
        QTRY_VERIFY(list->isVisible());
        // A row other than the highlighted one.
        const int row = box->currentIndex() == 0 ? 1 : 0;
        const QRect item = list->visualRect(box->model()->index(row, 0));
        QVERIFY(!item.isEmpty());
        const QImage shot = rgb(list->viewport()->grab(item));
        int white = 0;
        int darkRed = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                white += c == QColor(255, 255, 255);
                darkRed += c == QColor(64, 0, 0);
            }
        }
        box->hidePopup();
        QVERIFY2(white > shot.width() * shot.height() / 2, name);
        QVERIFY2(darkRed > 0, name);
    }
}

void TestKeyboard::tabChain_endsOnTheDiagram_withoutInvisibleStops()
{
    Navigator app;
    EntryForm &form = app.entryForm();
    form.show();
    child<QLineEdit>(form, "txtName")->setText(QStringLiteral("anna"));
    child<QComboBox>(form, "cboDate")->setCurrentIndex(13);
    child<QComboBox>(form, "cboMonth")->setCurrentIndex(2);
    QTest::mouseClick(child<QPushButton>(form, "cmdProceed"), Qt::LeftButton);
    QPointer<FrameWindow> frame = app.frame();
    QVERIFY(frame);
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    DisplayWindow *d = frame->display();
    QVERIFY(tabIntoDiagram(*d));

    // Once around the whole chain: every stop is a control that shows its focus.
    QWidget *start = QApplication::focusWidget();
    int stops = 0;
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        QVERIFY(now);
        QVERIFY2(!qobject_cast<QScrollArea *>(now), qPrintable(now->objectName()));
        QVERIFY2(now == d->treeOfLife() || now == d->tabs()->tabBar() ||
                     now->objectName() == u"lblQuillmereBanner" ||
                     qobject_cast<QPlainTextEdit *>(now) || qobject_cast<QPushButton *>(now),
                 now->metaObject()->className());
        QVERIFY(++stops < 50);
    } while (QApplication::focusWidget() != start);
    frame->close();
}

void TestKeyboard::arrowsWalkTheSpheres_andWriteTheHelpAsHoveringDoes()
{
    auto d = activeDisplay();
    QVERIFY(d);
    TreeOfLife *tree = d->treeOfLife();

    QVERIFY(tabIntoDiagram(*d));
    QCOMPARE(helpName(*d), QStringLiteral("Keter"));

    // What hovering writes, sphere by sphere.
    QStringList hoverNames;
    QStringList hoverTexts;
    for (int i = 0; i < kSphereCount; ++i) {
        d->lblClick_MouseMove(qint16(i));
        hoverNames << helpName(*d);
        hoverTexts << helpText(*d);
    }
    const auto showing = [&](const char *name) {
        const int i = int(hoverNames.indexOf(QLatin1StringView(name)));
        return i >= 0 && helpName(*d) == hoverNames[i] && helpText(*d) == hoverTexts[i] &&
               tree->currentSphere() == i;
    };

    struct Step
    {
        Qt::Key key;
        const char *lands;
    };
    // Up and Down go to the nearest sphere above or below, the one straight there first;
    // Left and Right to the nearest on that side.
    const Step walk[] = {
        {Qt::Key_Up, "Keter"},     {Qt::Key_Down, "Daat"},     {Qt::Key_Down, "Tiphereth"},
        {Qt::Key_Up, "Daat"},      {Qt::Key_Up, "Keter"},      {Qt::Key_Right, "Chokmah"},
        {Qt::Key_Up, "Keter"},     {Qt::Key_Left, "Binah"},    {Qt::Key_Left, "Binah"},
        {Qt::Key_Down, "Gevurah"}, {Qt::Key_Right, "Chesed"},  {Qt::Key_Up, "Chokmah"},
        {Qt::Key_Down, "Chesed"},  {Qt::Key_Down, "Netzach"},  {Qt::Key_Left, "Hod"},
        {Qt::Key_Down, "Yesod"},   {Qt::Key_End, "Malkhuth"},  {Qt::Key_Down, "Malkhuth"},
        {Qt::Key_Up, "Yesod"},     {Qt::Key_Right, "Netzach"}, {Qt::Key_Right, "Netzach"},
        {Qt::Key_Home, "Keter"},
    };
    for (const Step &step : walk) {
        d->ClearSphereInfo();
        QTest::keyClick(tree, step.key);
        QVERIFY2(showing(step.lands), step.lands);
        // A screen reader finds the focus on the sphere, named and described by its help.
        QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(tree)->focusChild();
        QVERIFY2(focus, step.lands);
        QCOMPARE(focus->text(QAccessible::Name), QLatin1StringView(step.lands));
        QCOMPARE(focus->text(QAccessible::Description), helpText(*d));
    }

    // Leaving the diagram keeps the clearing rules as they are: the help stays.
    QTest::keyClick(tree, Qt::Key_Tab);
    QVERIFY(!tree->hasFocus());
    QCOMPARE(helpName(*d), QStringLiteral("Keter"));
    QVERIFY(!QAccessible::queryAccessibleInterface(tree)->focusChild());
}

void TestKeyboard::focusedSphereCarriesAMark()
{
    auto d = activeDisplay();
    QVERIFY(d);
    TreeOfLife *tree = d->treeOfLife();
    d->tabs()->tabBar()->setFocus(Qt::TabFocusReason);
    const QImage unfocused = tree->grab().toImage();

    QVERIFY(tabIntoDiagram(*d));
    QTest::keyClick(tree, Qt::Key_Right);
    QTest::keyClick(tree, Qt::Key_Left); // Binah
    const QImage focused = tree->grab().toImage();

    const QRect around = tree->sphereLabel(2)->geometry().adjusted(-4, -4, 4, 4);
    int marked = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixel(x, y) == unfocused.pixel(x, y))
                continue;
            QVERIFY2(around.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            ++marked;
        }
    }
    QVERIFY(marked > 0);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

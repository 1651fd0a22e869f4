#include "AppInfo.h"
#include "ChildProcess.h"
#include "ClickableLabel.h"
#include "Design.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FileDialog.h"
#include "FrameWindow.h"
#include "MessageBox.h"
#include "Navigator.h"
#include "Reading.h"
#include "SkyNote.h"
#include "SunSign.h"
#include "TabControl.h"
#include "Twips.h"
#include "UrlOpener.h"
#include "WebLinks.h"

#include "WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>

using namespace Zorvane;
using namespace Zorvane::Testing;

namespace {

QString caption(const QWidget *display, const char *objectName)
{
    const auto *label = display->findChild<QLabel *>(QLatin1StringView(objectName));
    return label ? label->text()
                 : QStringLiteral("<missing %1>").arg(QLatin1StringView(objectName));
}

// The display shows the reading of the sign of that day and month.
void verifyShowsReadingOf(const QWidget *display, int day, int month)
{
    const std::optional<SunSign> sign = SignFromDate(qint16(month - 1), qint16(day - 1));
    QVERIFY(sign);
    const Reading expected = buildReading(*sign);
    QCOMPARE(caption(display, "lblOneSphereHead"), expected.One.Head);
    QCOMPARE(caption(display, "lblTwoSphereHead"), expected.Two.Head);
    QCOMPARE(caption(display, "lblPathName"), expected.Path.Name);
    QCOMPARE(caption(display, "lblSunSignName"), expected.SunSignName);
}

// Closes the modal window that the next step opens, and says which one it was.
struct ModalCloser
{
    QString objectName;
    QWidget *parent = nullptr;
    QString text;
    std::function<void(QWidget *)> inside; // done in the modal window before it closes

    void arm(QObject *context)
    {
        QTimer::singleShot(0, context, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            objectName = modal->objectName();
            parent = modal->parentWidget();
            if (const auto *rtb = modal->findChild<QTextEdit *>(QStringLiteral("RTB")))
                text = rtb->toPlainText();
            if (inside)
                inside(modal);
            modal->close();
        });
    }
};

} // namespace

class TestFrame : public QObject, private NavigatorFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // The frame as designed
    void frame_captionStateAndBackground();
    void strips_heightsColoursAndFonts();
    void layout_followsTheScreenWidth();
    void layout_onA1280PixelScreen();
    void layout_isNotRedoneOnResize();
    void narrowScreen_scrollsToEveryPixelOfTheDisplay();
    void display_isABorderlessChildOfTheFrame();
    void display_showsTheReadingOfTheDate_onTabZero();
    void webLinks_bannerAndHelpMenu();
    void aboutItem_showsTheAboutBoxModally();

    // Navigation
    void print_opensTheReportOverTheFrame_data();
    void print_opensTheReportOverTheFrame();
    void back_closesFrameAndDisplay_showsTheEntryForm_data();
    void back_closesFrameAndDisplay_showsTheEntryForm();
    void secondReading_getsAFreshFrameAndDisplay();
    void skyNote_offersTheSkysReading_reportCarriesIt_newReadingClearsIt();
    void back_leavesTheFrameToWhoeverMadeIt();
    void exit_closesAllThreeWindowsAndEndsTheProgram_data();
    void exit_closesAllThreeWindowsAndEndsTheProgram();

    // Keys
    void desktopKeys_reachTheirCommands_data();
    void desktopKeys_reachTheirCommands();

private:
    template <typename T = QWidget> T *child(const char *objectName) const
    {
        return m_frame->findChild<T *>(QLatin1StringView(objectName));
    }
    QAction *action(const char *objectName) const
    {
        return m_frame->findChild<QAction *>(QLatin1StringView(objectName));
    }
    double screenWidthTwips() const { return toTwips(m_frame->screen()->geometry().width()); }

    QPointer<FrameWindow> m_frame;
};

void TestFrame::initTestCase()
{
    // The sky note judges the birth day in the system's zone.
    qputenv("TZ", "UTC");
    setUpWindowTests(QStringLiteral("tst_frame"));
}

void TestFrame::init()
{
    QVERIFY(startProgram());
    m_frame = proceed(QStringLiteral("anna"), 14, 3, 1975);
    QVERIFY(m_frame);
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    TestMessageBox::clearShown();
    TestUrlOpener::clearOpened();
}

void TestFrame::cleanup()
{
    endProgram();
    QVERIFY(!m_frame);
}

void TestFrame::frame_captionStateAndBackground()
{
    QCOMPARE(m_frame->objectName(), QStringLiteral("frmMdi"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Zorvane v" ZORVANE_VERSION));
    QVERIFY(m_frame->isMaximized());
    QCOMPARE(m_frame->frameGeometry().width(), m_frame->screen()->availableGeometry().width());
    QCOMPARE(m_frame->centralWidget()->palette().color(QPalette::Window), kNavy);
    QVERIFY(m_frame->centralWidget()->autoFillBackground());
    QVERIFY(m_form->isHidden());
}

void TestFrame::strips_heightsColoursAndFonts()
{
    auto *banner = child<QLabel>("lblQuillmereBanner");
    QVERIFY(banner->text().contains(QUrl(kSiteAddress).host()));
    QCOMPARE(banner->palette().color(QPalette::WindowText), kWhite);
    QCOMPARE(banner->font(), verdana(9.75, true, true));
    QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(banner->width() >= banner->sizeHint().width());

    auto *name = child<QLabel>("lblSoftwareName");
    QCOMPARE(name->text(), QStringLiteral("Zorvane"));
    QCOMPARE(name->palette().color(QPalette::WindowText), kDarkRed);
    QCOMPARE(name->font(), verdana(14.25, true));

    QWidget *bannerStrip = banner->parentWidget();
    QWidget *nameStrip = name->parentWidget();
    QWidget *buttonBar = child("cmdPrint")->parentWidget();
    const QWidget *client = m_frame->centralWidget();
    QCOMPARE(bannerStrip->geometry(), QRect(0, 0, client->width(), twips(615)));
    QCOMPARE(nameStrip->geometry(), QRect(0, twips(615), client->width(), twips(360)));
    QCOMPARE(buttonBar->geometry(),
             QRect(0, client->height() - twips(855), client->width(), twips(855)));
    QCOMPARE(bannerStrip->palette().color(QPalette::Window), kNavy);
    QCOMPARE(nameStrip->palette().color(QPalette::Window), QColor(128, 255, 128));
    QCOMPARE(buttonBar->palette().color(QPalette::Window), kNavy);
    for (QWidget *strip : {bannerStrip, nameStrip, buttonBar})
        QVERIFY(strip->autoFillBackground());
    // Each label stands within its strip.
    QVERIFY(bannerStrip->rect().contains(banner->geometry()));
    QVERIFY(name->y() >= 0 && name->fontMetrics().height() <= nameStrip->height() + 2);

    const struct
    {
        const char *name;
        const char *caption;
        double width;
    } buttons[] = {
        {"cmdPrint", "&Print", 1260}, {"cmdBack", "&Back", 1260}, {"cmdMdiExit", "&Exit", 1335}};
    for (const auto &row : buttons) {
        auto *b = child<QPushButton>(row.name);
        QCOMPARE(b->parentWidget(), buttonBar);
        QCOMPARE(b->text(), QLatin1StringView(row.caption));
        QCOMPARE(b->font(), verdana(8.25, true));
        QCOMPARE(b->palette().color(QPalette::Button), kWhite);
        QCOMPARE(b->width(), twips(row.width));
        QCOMPARE(b->y(), twips(240));
        QVERIFY(b->geometry().bottom() < buttonBar->height());
    }
}

void TestFrame::layout_followsTheScreenWidth()
{
    const double w = screenWidthTwips();
    auto *banner = child<QLabel>("lblQuillmereBanner");
    auto *name = child<QLabel>("lblSoftwareName");
    QCOMPARE(banner->x(), twips((w - toTwips(banner->width())) / 2));
    QCOMPARE(name->x(), twips((w - toTwips(name->width())) / 2));
    QCOMPARE(child("cmdMdiExit")->x(), twips(w - (1335 + 20)));
    QCOMPARE(child("cmdBack")->x(), twips(w - (1260 + 1400)));
    QCOMPARE(child("cmdPrint")->x(), twips(w - (1260 + 2700)));
    QCOMPARE(m_frame->display()->x(), qMax(0, twips((w - 13995) / 2)));
    QCOMPARE(m_frame->display()->y(), 0);
}

void TestFrame::narrowScreen_scrollsToEveryPixelOfTheDisplay()
{
    // The test screen is narrower than the display; the frame is made as low as a 600 px screen.
    QVERIFY(m_frame->screen()->geometry().width() < twips(13995));
    m_frame->showNormal();
    m_frame->resize(m_frame->width(),
                    600 - (m_frame->frameGeometry().height() - m_frame->height()));
    DisplayWindow *display = m_frame->display();
    auto *area = m_frame->findChild<QScrollArea *>();
    QVERIFY(area);
    QTRY_VERIFY(area->viewport()->width() < display->width());
    QTRY_VERIFY(area->viewport()->height() < display->height());

    // Scrolled to either end, the display's edge is the viewport's edge.
    const auto shownPart = [&] {
        return QRect(display->mapFrom(area->viewport(), QPoint(0, 0)), area->viewport()->size())
            .intersected(display->rect());
    };
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->minimum());
    QCOMPARE(shownPart().topLeft(), QPoint(0, 0));
    QCOMPARE(display->mapTo(area->viewport(), QPoint(0, 0)), QPoint(0, 0));
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QCOMPARE(shownPart().bottomRight(), display->rect().bottomRight());
    QCOMPARE(display->mapTo(area->viewport(), display->rect().bottomRight() + QPoint(1, 1)),
             QPoint(area->viewport()->width(), area->viewport()->height()));

    // The buttons keep following the screen's width.
    const double w = screenWidthTwips();
    QCOMPARE(child("cmdPrint")->x(), twips(w - (1260 + 2700)));
}

void TestFrame::layout_onA1280PixelScreen()
{
    const FrameLefts l = frameLayout(19200, 4000, 1200, 13995);
    QCOMPARE(l.print, 15240.0);
    QCOMPARE(l.back, 16540.0);
    QCOMPARE(l.exit, 17845.0);
    QCOMPARE(l.banner, 7600.0);
    QCOMPARE(l.name, 9000.0);
    QCOMPARE(l.display, 2602.5);
    // Print, Back, Exit from left to right, 40 and 45 twips apart, 20 twips from the edge.
    QCOMPARE(l.back - (l.print + kPrintWidth), 40.0);
    QCOMPARE(l.exit - (l.back + kBackWidth), 45.0);
    QCOMPARE(19200 - (l.exit + kMdiExitWidth), 20.0);
}

void TestFrame::layout_isNotRedoneOnResize()
{
    const QPoint exitAt = child("cmdMdiExit")->pos();
    const QPoint bannerAt = child("lblQuillmereBanner")->pos();
    m_frame->showNormal();
    m_frame->resize(m_frame->width() / 2, m_frame->height() / 2);
    QCOMPARE(child("cmdMdiExit")->pos(), exitAt);
    QCOMPARE(child("lblQuillmereBanner")->pos(), bannerAt);
}

void TestFrame::display_isABorderlessChildOfTheFrame()
{
    DisplayWindow *display = m_frame->display();
    QCOMPARE(display->objectName(), QStringLiteral("frmDisplay"));
    QVERIFY(!display->isWindow());
    QCOMPARE(display->window(), m_frame.data());
    QVERIFY(display->isVisible());
    QCOMPARE(display->size(), QSize(twips(13995), twips(8415)));
    QCOMPARE(m_frame->findChildren<DisplayWindow *>().size(), 1);
}

void TestFrame::display_showsTheReadingOfTheDate_onTabZero()
{
    DisplayWindow *display = m_frame->display();
    verifyShowsReadingOf(display, 14, 3);
    QCOMPARE(caption(display, "lblOneSphereHead"), QStringLiteral("Netzach"));
    QCOMPARE(display->tabs()->currentIndex(), 0);
}

void TestFrame::webLinks_bannerAndHelpMenu()
{
    action("mnuOnline")->trigger();
    action("mnuVisit")->trigger();
    action("mnuUpdate")->trigger();
    QTest::mouseClick(child("lblQuillmereBanner"), Qt::LeftButton);
    QTest::mouseClick(child("lblSoftwareName"), Qt::LeftButton);
    QCOMPARE(TestUrlOpener::opened(),
             QList<QUrl>({helpPageUrl(), homePageUrl(), downloadPageUrl(), homePageUrl()}));
}

void TestFrame::aboutItem_showsTheAboutBoxModally()
{
    ModalCloser closer;
    closer.arm(this);
    action("mnuAbout")->trigger();
    QCOMPARE(closer.objectName, QStringLiteral("frmAbout"));
    QVERIFY(m_frame->isVisible());
    QVERIFY(m_form->isHidden());
}

void TestFrame::print_opensTheReportOverTheFrame_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Print button") << false;
    QTest::newRow("File > Print") << true;
}

void TestFrame::print_opensTheReportOverTheFrame()
{
    QFETCH(bool, fromMenu);
    ModalCloser closer;
    closer.arm(this);
    if (fromMenu)
        action("mnuPrint")->trigger();
    else
        QTest::mouseClick(child("cmdPrint"), Qt::LeftButton);

    QCOMPARE(closer.objectName, QStringLiteral("frmSave"));
    QCOMPARE(closer.parent, m_frame.data());
    // Composed from the stored birth data and the entry form's lists.
    QVERIFY2(closer.text.contains(QStringLiteral("ANNA")), qPrintable(closer.text));
    QVERIFY2(closer.text.contains(QStringLiteral("March/14/1975")), qPrintable(closer.text));
    // Closing the report returns to the display; the entry form stays hidden.
    QVERIFY(m_frame->isVisible());
    QVERIFY(m_frame->display()->isVisible());
    QVERIFY(m_form->isHidden());
}

void TestFrame::back_closesFrameAndDisplay_showsTheEntryForm_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File > Back") << true;
}

void TestFrame::back_closesFrameAndDisplay_showsTheEntryForm()
{
    QFETCH(bool, fromMenu);
    QPointer<DisplayWindow> display = m_frame->display();
    CloseCounter formCloses;
    m_form->installEventFilter(&formCloses);
    // Where the user last left the form.
    m_form->move(10, 20);

    const int status = exitStatusOf([&] {
        if (fromMenu)
            action("mnuBack")->trigger();
        else
            QTest::mouseClick(child("cmdBack"), Qt::LeftButton);
    });

    QCOMPARE(status, -1); // the program goes on
    QVERIFY(!m_frame);
    QVERIFY(!display);
    QVERIFY(!m_app->frame());
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->pos(), QPoint(10, 20));
    QCOMPARE(formCloses.count, 0);
    QCOMPARE(m_form->findChild<QLineEdit *>(QStringLiteral("txtName"))->text(),
             QStringLiteral("ANNA"));
    QCOMPARE(m_form->dayText(), QStringLiteral("14"));
    QCOMPARE(m_form->monthText(), QStringLiteral("March"));
    QCOMPARE(m_form->yearText(), QStringLiteral("1975"));
}

void TestFrame::secondReading_getsAFreshFrameAndDisplay()
{
    QPointer<FrameWindow> firstFrame = m_frame;
    QPointer<DisplayWindow> firstDisplay = m_frame->display();
    firstDisplay->tabs()->setCurrentIndex(2);
    m_frame->cmdBack_Click();
    // Straight away, before the first frame is gone.
    m_frame = proceed(QStringLiteral("ben"), 1, 7, 1990);
    QVERIFY(m_frame);
    QVERIFY(m_frame != firstFrame);
    QVERIFY(m_frame->isVisible());
    QVERIFY(m_frame->isMaximized());
    QCOMPARE(m_form->birthData().Name, QStringLiteral("BEN"));
    QCOMPARE(m_form->birthData().Month, QStringLiteral("July"));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!firstFrame);
    QVERIFY(!firstDisplay);
    QVERIFY(m_frame);
    QCOMPARE(m_frame->findChildren<DisplayWindow *>().size(), 1);
    verifyShowsReadingOf(m_frame->display(), 1, 7);
    QCOMPARE(m_frame->display()->tabs()->currentIndex(), 0);
    // The new frame is laid out afresh.
    QCOMPARE(child("cmdMdiExit")->x(), twips(screenWidthTwips() - (1335 + 20)));
}

void TestFrame::skyNote_offersTheSkysReading_reportCarriesIt_newReadingClearsIt()
{
    const auto *note = m_frame->findChild<SkyNote *>();
    QVERIFY(note);
    QVERIFY(note->isHidden()); // 14 March: mid-sign
    m_frame->cmdBack_Click();
    m_frame = proceed(QStringLiteral("sept"), 21, 9, 1975);
    note = m_frame->findChild<SkyNote *>();
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().contains(u"in Virgo all day"), qPrintable(note->text()));
    // Beside the buttons, not under them.
    QVERIFY(note->geometry().right() < child("cmdPrint")->x());

    auto *link = note->findChild<ClickableLabel *>();
    QCOMPARE(link->text(), QStringLiteral("Show the Virgo reading"));
    QTest::keyClick(link, Qt::Key_Return);
    QCOMPARE(caption(m_frame->display(), "lblSunSignName"),
             buildReading(SunSign::Virgo).SunSignName);
    QCOMPARE(m_form->birthData().Day, 21);
    QCOMPARE(m_form->birthData().Month, QStringLiteral("September"));
    link = note->findChild<ClickableLabel *>();
    QCOMPARE(link->text(), QStringLiteral("Back to the Libra reading of the sign dates"));

    ModalCloser closer;
    closer.arm(this);
    m_frame->cmdPrint_Click();
    QVERIFY2(closer.text.trimmed().endsWith(note->text()), qPrintable(closer.text));
    QVERIFY(note->text().contains(u"This is the Virgo reading"));

    QTest::keyClick(link, Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_frame->findChildren<DisplayWindow *>().size(), 1);
    verifyShowsReadingOf(m_frame->display(), 21, 9);

    m_frame->cmdBack_Click();
    m_frame = proceed(QStringLiteral("anna"), 14, 3, 1975);
    QVERIFY(m_frame->findChild<SkyNote *>()->isHidden());
}

void TestFrame::back_leavesTheFrameToWhoeverMadeIt()
{
    // A frame of the test's own, on the stack: closing it must not delete it a second time. In a
    // child, so that a double deletion fails this case alone.
    const std::optional<QByteArray> outcome = inChild(
        [] {
            FrameWindow frame;
            const QPointer<DisplayWindow> display = frame.display();
            frame.show();
            frame.cmdBack_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return QByteArray(display && frame.isHidden() ? "closed, kept" : "deleted");
        },
        30000);
    QCOMPARE(outcome, std::optional<QByteArray>("closed, kept"));
}

void TestFrame::exit_closesAllThreeWindowsAndEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << QStringLiteral("cmdMdiExit");
    QTest::newRow("File > Exit") << QStringLiteral("mnuExit");
    QTest::newRow("close box") << QStringLiteral("close");
}

void TestFrame::exit_closesAllThreeWindowsAndEndsTheProgram()
{
    QFETCH(QString, how);
    QPointer<DisplayWindow> display = m_frame->display();
    CloseCounter formCloses;
    m_form->installEventFilter(&formCloses);
    CloseCounter displayCloses;
    display->installEventFilter(&displayCloses);
    // Any other window is asked once, though it stays open: not again from the entry form's close.
    QWidget other;
    other.show();
    CloseCounter otherCloses;
    otherCloses.refuse = true;
    other.installEventFilter(&otherCloses);

    const int status = exitStatusOf([&] {
        if (how == u"cmdMdiExit")
            QTest::mouseClick(child("cmdMdiExit"), Qt::LeftButton);
        else if (how == u"mnuExit")
            action("mnuExit")->trigger();
        else
            m_frame->close();
    });

    QCOMPARE(status, 0);
    QVERIFY(!m_frame);
    QVERIFY(!display);
    QCOMPARE(displayCloses.count, 1);
    QCOMPARE(formCloses.count, 1);
    QCOMPARE(otherCloses.count, 1);
    other.hide();
    QVERIFY(m_form->isHidden());
    for (const QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

void TestFrame::desktopKeys_reachTheirCommands_data()
{
    QTest::addColumn<QString>("focus"); // the control that has the focus
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("outcome");
    const QString name = u"txtName"_qs, panel = u"txtOneSephriothCardDesc"_qs, rtb = u"RTB"_qs;
    QTest::newRow("name box, Ctrl+O") << name << QKeySequence(u"Ctrl+O"_qs) << "open";
    QTest::newRow("name box, F1") << name << QKeySequence(u"F1"_qs) << "help";
    QTest::newRow("name box, Ctrl+Q") << name << QKeySequence(u"Ctrl+Q"_qs) << "exit";
    QTest::newRow("display, Ctrl+P") << panel << QKeySequence(u"Ctrl+P"_qs) << "frmSave";
    QTest::newRow("report, Ctrl+S") << rtb << QKeySequence(u"Ctrl+S"_qs) << "save";
    QTest::newRow("report, Ctrl+P") << rtb << QKeySequence(u"Ctrl+P"_qs) << "print";
    QTest::newRow("Ctrl+Tab") << panel << QKeySequence(u"Ctrl+Tab"_qs) << "tab 1";
    QTest::newRow("Ctrl+Shift+Tab") << panel << QKeySequence(u"Ctrl+Shift+Backtab"_qs) << "tab 2";
    QTest::newRow("Ctrl+PageUp") << panel << QKeySequence(u"Ctrl+PgUp"_qs) << "tab 2";
}

void TestFrame::desktopKeys_reachTheirCommands()
{
    QFETCH(QString, focus);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, outcome);
    TestPrintDialog::setTestMode(true);
    QWidget *window = focus == u"txtName" ? static_cast<QWidget *>(m_form) : m_frame;
    if (window == m_form)
        m_frame->cmdBack_Click();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    // The report, seen and closed; the keys go there when its box has the focus.
    ModalCloser closer;
    if (focus == u"RTB") {
        closer.inside = [&](QWidget *report) {
            // The offscreen platform does not activate a dialog run by exec().
            QApplication::setActiveWindow(report);
            report->findChild<QWidget *>(focus)->setFocus();
            QTest::keySequence(QApplication::focusWidget(), keys);
        };
    }
    const auto press = [&] {
        if (focus == u"RTB" || outcome == u"frmSave")
            closer.arm(this);
        if (focus == u"RTB")
            return m_frame->cmdPrint_Click();
        window->findChild<QWidget *>(focus)->setFocus();
        QTest::keySequence(QApplication::focusWidget(), keys);
    };
    if (outcome == u"exit")
        QCOMPARE(exitStatusOf(press), 0);
    else
        press();

    if (outcome == u"open")
        QCOMPARE(TestFileDialog::lastRequest().title, QStringLiteral("Select the source file"));
    else if (outcome == u"help")
        QCOMPARE(TestUrlOpener::opened(), QList<QUrl>{helpPageUrl()});
    else if (outcome == u"frmSave")
        QCOMPARE(closer.objectName, outcome);
    else if (outcome == u"save")
        QVERIFY(TestFileDialog::lastRequest().save);
    else if (outcome == u"print")
        QCOMPARE(TestPrintDialog::requests().size(), 1);
    else if (outcome.startsWith(u"tab "))
        QCOMPARE(m_frame->display()->tabs()->currentIndex(), outcome.back().digitValue());
    // A window's shortcut wins over the name box's refusal of Control combinations.
    QVERIFY(TestMessageBox::shown().isEmpty());
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"

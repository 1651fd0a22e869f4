#include "AboutBox.h"
#include "AppInfo.h"
#include "Design.h"
#include "EntryForm.h"
#include "FrameWindow.h"
#include "MessageBox.h"
#include "SeamDoubles.h"
#include "Twips.h"
#include "UrlOpener.h"
#include "WebLinks.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Zorvane;
using namespace Zorvane::Testing;

// frmAbout as the user meets it: its parts and their look, its link, and how it closes.
class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void layout_data();
    void layout();
    void texts();
    void looks();
    void centredOnTheScreen();
    void homePageLink_opensTheHomePageAndStaysOpen();
    void closes_data();
    void closes();
    void windowBehind_ignoresInputWhileOpen();
    void aboutItem_showsTheBoxOverItsWindow();
};

namespace {

template <typename T = QWidget> T *part(QWidget *box, const char *name)
{
    return box->findChild<T *>(QLatin1StringView(name));
}

// Runs showAboutBox(parent) and, once the box is on screen, act on it. A box the action leaves
// open is closed afterwards so that the test never hangs; the result says whether that was needed.
bool showAndAct(QWidget *parent, const std::function<void(QDialog *)> &act, QPointer<QDialog> *seen)
{
    bool leftOpen = false;
    QTimer::singleShot(0, qApp, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        *seen = box;
        if (!box)
            return;
        act(box);
        if (*seen && (*seen)->isVisible()) {
            leftOpen = true;
            (*seen)->close();
        }
    });
    showAboutBox(parent);
    return leftOpen;
}

QColor textColour(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace

void TestAboutBox::initTestCase()
{
    installFontSubstitutes();
}

void TestAboutBox::init()
{
    TestUrlOpener::setTestMode(true);
}

void TestAboutBox::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("icon") << u"picIcon"_qs << twipsRect(150, 150, 510, 510);
    QTest::newRow("ok") << u"cmdOK"_qs << twipsRect(4590, 3555, 1320, 405);
}

void TestAboutBox::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    AboutBox box;
    QCOMPARE(box.findChild<QWidget *>(name)->geometry(), geometry);
}

void TestAboutBox::texts()
{
    AboutBox box;
    QCOMPARE(box.objectName(), u"frmAbout"_qs);
    QCOMPARE(box.windowTitle(), QStringLiteral("Zorvane v" ZORVANE_VERSION));
    QCOMPARE(part<QLabel>(&box, "lblTitle")->text(), QStringLiteral("Zorvane v" ZORVANE_VERSION));
    QCOMPARE(part<QLabel>(&box, "lblDescription")->text(),
             u"It is believed that the master key to the tarot cards can be found in the ancient "
             "form of Jewish mysticism - the Kabbalah. Zorvane is a zodiac sign based software "
             "that associates a person's sun sign with the Kabbalah Tree of Life and also with "
             "the corresponding Tarot cards. It is with the help of this software that you get to "
             "know yourself better."_qs);
    QCOMPARE(part<QLabel>(&box, "lblHomePage")->text(), u"Click here to visit "_qs + kSiteAddress);
    QCOMPARE(part<QPushButton>(&box, "cmdOK")->text(), u"&OK"_qs);
}

void TestAboutBox::looks()
{
    AboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect client = box.rect();
    QCOMPARE(client.size(), QSize(twips(6060), twips(4170)));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QCOMPARE(box.palette().color(QPalette::Window), QColor(0, 0, 64));

    const auto *icon = part<QLabel>(&box, "picIcon");
    QVERIFY(!icon->pixmap().isNull());
    QVERIFY(icon->hasScaledContents());

    const auto *title = part<QLabel>(&box, "lblTitle");
    QCOMPARE(title->font().family(), u"Verdana"_qs);
    QCOMPARE(title->font().pointSizeF(), 9.75);
    QVERIFY(title->font().bold());
    QCOMPARE(textColour(title), QColor(Qt::white));
    QVERIFY(title->x() >= icon->geometry().right());
    QVERIFY(title->y() < icon->geometry().bottom());

    // The whole description fits its label, under the icon and the title.
    const auto *description = part<QLabel>(&box, "lblDescription");
    QCOMPARE(description->width(), twips(5745));
    QVERIFY(description->wordWrap());
    QCOMPARE(textColour(description), QColor(Qt::white));
    QVERIFY(description->y() > icon->geometry().bottom());
    QVERIFY(description->heightForWidth(description->width()) <= description->height());
    QVERIFY(client.contains(description->geometry()));

    const auto *link = part<QLabel>(&box, "lblHomePage");
    QCOMPARE(link->font().pointSizeF(), 8.25);
    QVERIFY(link->font().bold());
    QVERIFY(link->font().underline());
    QCOMPARE(textColour(link), QColor(Qt::white));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->y() > description->geometry().bottom());
    QVERIFY(link->width() >= link->sizeHint().width());
    QVERIFY(client.contains(link->geometry()));

    const auto *line = part<QFrame>(&box, "Line1");
    const auto *ok = part<QPushButton>(&box, "cmdOK");
    QCOMPARE(line->frameShape(), QFrame::HLine);
    QVERIFY(line->y() > link->geometry().bottom());
    QVERIFY(line->geometry().bottom() < ok->y());
    QVERIFY(line->width() > client.width() * 9 / 10);

    QVERIFY(ok->isDefault());
    QVERIFY(client.contains(ok->geometry()));
    QVERIFY(ok->geometry().right() > client.width() * 3 / 4);
    QVERIFY(ok->y() > client.height() * 3 / 4);
    QVERIFY(ok->width() >= ok->sizeHint().width());
}

void TestAboutBox::centredOnTheScreen()
{
    QWidget parent;
    parent.setGeometry(0, 0, 200, 150); // off-centre, so that following the parent would show
    parent.show();
    QPointer<QDialog> seen;
    QPoint centre;
    showAndAct(
        &parent, [&](QDialog *box) { centre = box->frameGeometry().center(); }, &seen);
    QVERIFY(seen.isNull() || !seen->isVisible());
    const QPoint screenCentre = parent.screen()->geometry().center();
    QVERIFY2((centre - screenCentre).manhattanLength() <= 2,
             qPrintable(u"box centred at %1,%2, screen at %3,%4"_qs.arg(centre.x())
                            .arg(centre.y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
}

void TestAboutBox::homePageLink_opensTheHomePageAndStaysOpen()
{
    bool openAfterClick = false;
    QList<QUrl> opened;
    QPointer<QDialog> seen;
    const bool leftOpen = showAndAct(
        nullptr,
        [&](QDialog *box) {
            QTest::mouseClick(part(box, "lblHomePage"), Qt::LeftButton);
            openAfterClick = box->isVisible();
            opened = TestUrlOpener::opened();
            QTest::keyClick(box, Qt::Key_Escape);
        },
        &seen);
    QVERIFY(seen.isNull()); // discarded once closed
    QVERIFY(openAfterClick);
    QCOMPARE(opened, QList<QUrl>{homePageUrl()});
    QVERIFY(!leftOpen);
}

void TestAboutBox::closes_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Esc") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("keypad Enter") << 2;
    QTest::newRow("OK clicked") << 3;
    QTest::newRow("close box") << 4;
}

void TestAboutBox::closes()
{
    QFETCH(int, how);
    QPointer<QDialog> seen;
    const bool leftOpen = showAndAct(
        nullptr,
        [how](QDialog *box) {
            QWidget *focus = box->focusWidget() ? box->focusWidget() : box;
            switch (how) {
            case 0:
                QTest::keyClick(focus, Qt::Key_Escape);
                break;
            case 1:
                QTest::keyClick(focus, Qt::Key_Return);
                break;
            case 2:
                QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
                break;
            case 3:
                QTest::mouseClick(part(box, "cmdOK"), Qt::LeftButton);
                break;
            default:
                box->close();
                break;
            }
        },
        &seen);
    QVERIFY(!leftOpen);
    QVERIFY(seen.isNull());
    QVERIFY(TestUrlOpener::opened().isEmpty());
}

void TestAboutBox::windowBehind_ignoresInputWhileOpen()
{
    QWidget behind;
    behind.resize(300, 200);
    auto *button = new QPushButton(u"Behind"_qs, &behind);
    button->setGeometry(10, 10, 120, 40);
    int clicks = 0;
    connect(button, &QPushButton::clicked, this, [&clicks] { ++clicks; });
    behind.show();
    QVERIFY(QTest::qWaitForWindowExposed(&behind));

    const QPoint onButton = button->geometry().center();
    bool modal = false;
    QPointer<QDialog> seen;
    showAndAct(
        &behind,
        [&](QDialog *box) {
            modal = box->windowModality() == Qt::ApplicationModal;
            QTest::mouseClick(behind.windowHandle(), Qt::LeftButton, {}, onButton);
            QTest::keyClick(behind.windowHandle(), Qt::Key_Space);
            box->close();
        },
        &seen);
    QVERIFY(modal);
    QCOMPARE(clicks, 0);

    // Once the box is gone the same click reaches the window again.
    QTest::mouseClick(behind.windowHandle(), Qt::LeftButton, {}, onButton);
    QCOMPARE(clicks, 1);
}

void TestAboutBox::aboutItem_showsTheBoxOverItsWindow()
{
    // The entry form runs the update reminder as it loads: keep it to a settings file of ours.
    TestMessageBox::setTestMode(true);
    QStandardPaths::setTestModeEnabled(true);
    const TestSettingsStore settings;
    QVERIFY(settings.isValid());

    EntryForm entryForm;
    entryForm.show();
    FrameWindow frame;
    frame.show();

    for (QWidget *window : {static_cast<QWidget *>(&entryForm), static_cast<QWidget *>(&frame)}) {
        auto *item = window->findChild<QAction *>(u"mnuAbout"_qs);
        QVERIFY(item);
        QCOMPARE(item->text(), u"&About Software"_qs);

        QString shown;
        QWidget *over = nullptr;
        bool modal = false;
        QPointer<QDialog> box;
        QTimer::singleShot(0, qApp, [&] {
            box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = box->objectName();
            over = box->parentWidget();
            modal = box->windowModality() == Qt::ApplicationModal;
            box->close();
        });
        item->trigger(); // returns once the box is closed
        QCOMPARE(shown, u"frmAbout"_qs);
        QCOMPARE(over, window);
        QVERIFY(modal);
        QVERIFY(box.isNull());
    }
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"

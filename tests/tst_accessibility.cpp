#include "AboutBox.h"
#include "ApplyReading.h"
#include "CardPictures.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FileDialog.h"
#include "FrameWindow.h"
#include "MessageBox.h"
#include "Navigator.h"
#include "ReadingTexts.h"
#include "ReportWindow.h"
#include "SunSign.h"
#include "TabControl.h"
#include "TabStrip.h"
#include "TreeOfLife.h"
#include "UrlOpener.h"

#include "PictureTestSupport.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <vector>

using namespace Zorvane;
using namespace Zorvane::Testing;

namespace {

QString roleName(QAccessible::Role role)
{
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

// Roles whose controls a reader speaks, and so must be able to name.
bool isInformative(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::StaticText:
    case QAccessible::Graphic:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
    case QAccessible::Link:
    case QAccessible::Chart:
    case QAccessible::Canvas:
    case QAccessible::MenuItem:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

// A label that shows nothing - Malkhuth's empty attributes, the sphere help before any pointing -
// has nothing to be named for, and readers pass over it.
bool showsNothing(const QObject *object)
{
    const auto *label = qobject_cast<const QLabel *>(object);
    return label && label->text().trimmed().isEmpty() && label->pixmap().isNull();
}

QString describe(QAccessibleInterface *iface, QAccessibleInterface *parent, int index)
{
    const QObject *o = iface->object();
    QString what = o && !o->objectName().isEmpty() ? o->objectName() : QString();
    if (what.isEmpty() && o)
        what = QString::fromLatin1(o->metaObject()->className());
    if (what.isEmpty()) {
        const QObject *p = parent->object();
        what = (p ? p->objectName() : QString()) + QStringLiteral(" child %1").arg(index);
    }
    return what + QStringLiteral(" (") + roleName(iface->role()) + u')';
}

// Walks the visible tree below iface: every control that takes focus or says something needs a
// name that is not blank, and no name may show a mnemonic's ampersand.
void collectNameFaults(QAccessibleInterface *iface, QStringList &faults)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->text(QAccessible::Name);
        const bool reached = child->state().focusable || isInformative(child->role());
        if (reached && name.trimmed().isEmpty() && !showsNothing(child->object()))
            faults << describe(child, iface, i) + QStringLiteral(" has no name");
        if (name.contains(u'&'))
            faults << describe(child, iface, i) + QStringLiteral(" is named \"%1\"").arg(name);
        collectNameFaults(child, faults);
    }
}

QStringList nameFaults(QWidget *window)
{
    QStringList faults;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return {QStringLiteral("no accessible interface for ") + window->objectName()};
    collectNameFaults(root, faults);
    // The menus are walked open, as a reader meets them.
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        for (const QAction *top : main->menuBar()->actions()) {
            QMenu *menu = top->menu();
            menu->popup(main->mapToGlobal(QPoint(0, 0)));
            if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
                faults << menu->objectName() + QStringLiteral(" does not open");
            collectNameFaults(QAccessible::queryAccessibleInterface(menu), faults);
            menu->close();
        }
    }
    return faults;
}

QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void pressKey(QWidget *window, const QKeyCombination &key)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, key.key(),
                    key.keyboardModifiers());
}

// Presses Alt with the mnemonic letter of every button of the window that has one: that button,
// and no other, must be clicked. Handlers are cut off first, so that only the keys are tested.
QStringList buttonMnemonicFaults(QWidget *window)
{
    QList<QAbstractButton *> buttons;
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (!b->isVisible())
            continue;
        QObject::disconnect(b, &QAbstractButton::clicked, nullptr, nullptr);
        buttons << b;
        clicks.push_back(std::make_unique<QSignalSpy>(b, &QAbstractButton::clicked));
    }

    QStringList faults;
    for (int i = 0; i < buttons.size(); ++i) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(buttons[i]->text());
        if (mnemonic.isEmpty())
            continue;
        for (auto &spy : clicks)
            spy->clear();
        pressKey(window, mnemonic[0]);
        const QString what =
            mnemonic.toString() + QStringLiteral(" for ") + buttons[i]->objectName();
        if (!QTest::qWaitFor([&] { return !clicks[std::size_t(i)]->isEmpty(); }, 2000))
            faults << what + QStringLiteral(" clicks nothing");
        for (int j = 0; j < buttons.size(); ++j) {
            if (j != i && !clicks[std::size_t(j)]->isEmpty())
                faults << what + QStringLiteral(" also clicks ") + buttons[j]->objectName();
        }
    }
    return faults;
}

// Opens every menu of the bar by its Alt mnemonic and triggers each item by its letter.
QStringList menuMnemonicFaults(QMainWindow *window)
{
    QStringList faults;
    for (const QAction *top : window->menuBar()->actions()) {
        QMenu *menu = top->menu();
        const QKeySequence open = QKeySequence::mnemonic(top->text());
        if (open.isEmpty()) {
            faults << menu->objectName() + QStringLiteral(" has no mnemonic");
            continue;
        }
        for (QAction *item : menu->actions()) {
            const QKeySequence letter = QKeySequence::mnemonic(item->text());
            if (item->isSeparator() || letter.isEmpty())
                continue;
            QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
            QSignalSpy triggered(item, &QAction::triggered);
            pressKey(window, open[0]);
            if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) {
                faults << open.toString() + QStringLiteral(" does not open ") + menu->objectName();
                break;
            }
            const QChar key = QChar(int(letter[0].key())).toLower();
            QTest::keyClick(menu, char(key.toLatin1()));
            if (!QTest::qWaitFor([&] { return !triggered.isEmpty(); }, 2000))
                faults << open.toString() + QStringLiteral(" then ") + key +
                              QStringLiteral(" does not trigger ") + item->objectName();
            if (menu->isVisible())
                menu->close();
        }
    }
    return faults;
}

// The controls Tab visits, from the focus once round the window.
QList<QWidget *> tabRound(QWidget *window)
{
    QList<QWidget *> visited;
    for (int i = 0; i < 100; ++i) {
        pressKey(window, QKeyCombination(Qt::Key_Tab));
        QWidget *focus = QApplication::focusWidget();
        if (!focus || visited.contains(focus))
            break;
        visited << focus;
    }
    return visited;
}

QStringList tabFaults(QWidget *window)
{
    const QList<QWidget *> visited = tabRound(window);
    QStringList faults;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !visited.contains(w))
            faults << QStringLiteral("Tab never reaches ") + w->objectName() + u' ' +
                          QString::fromLatin1(w->metaObject()->className());
    }
    return faults;
}

} // namespace

class TestAccessibility : public QObject, private NavigatorFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Every control a reader reaches has a name
    void entryForm_everyControlNamed();
    void frame_everyControlNamed_onEveryTab();
    void report_everyControlNamed();
    void aboutBox_everyControlNamed();

    // The names themselves
    void entryForm_boxesNamedAndLabelled();
    void entryForm_dateListsKeepTheirEntryAsValueAndTheirPopup();
    void display_cardPicturesNamedForTheCardTheyShow();
    void display_diagramAndSpheresNamedAsTheHelpNamesThem();
    void display_textPanelsNamedApart();
    void reportAndAboutBox_names();

    // The keyboard
    void mnemonics_entryForm();
    void mnemonics_frame();
    void mnemonics_reportAndAboutBox();
    void tab_reachesEveryControl_entryFormReportAndAboutBox();
    void tab_reachesEveryControl_ofEveryPageOfTheFrame();

private:
    FrameWindow *piscesFrame();
};

void TestAccessibility::initTestCase()
{
    setUpWindowTests(QStringLiteral("tst_accessibility"));
    QAccessible::setActive(true);
    LoadReadingTexts();
}

void TestAccessibility::init()
{
    QVERIFY(startProgram());
}

void TestAccessibility::cleanup()
{
    endProgram();
}

// A reading for 14 March 1975, a Pisces, in the frame.
FrameWindow *TestAccessibility::piscesFrame()
{
    FrameWindow *frame = proceed(QStringLiteral("anna"), 14, 3, 1975);
    if (frame && !QTest::qWaitForWindowExposed(frame))
        return nullptr;
    return frame;
}

void TestAccessibility::entryForm_everyControlNamed()
{
    const QStringList faults = nameFaults(m_form);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestAccessibility::frame_everyControlNamed_onEveryTab()
{
    FrameWindow *frame = piscesFrame();
    QVERIFY(frame);
    TabControl *tabs = frame->display()->tabs();
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        const QStringList faults = nameFaults(frame);
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("page %1:\n").arg(page) + faults.join(u'\n')));
    }
}

void TestAccessibility::report_everyControlNamed()
{
    DisplayWindow display;
    ApplyReading(display, 2, 13);
    ReportSources sources;
    sources.display = &display;
    ReportWindow report(sources);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    const QStringList faults = nameFaults(&report);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestAccessibility::aboutBox_everyControlNamed()
{
    AboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QStringList faults = nameFaults(&box);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestAccessibility::entryForm_boxesNamedAndLabelled()
{
    const struct
    {
        const char *box;
        const char *name;
        const char *caption;
    } boxes[] = {
        {"txtName", "Name", "lblNameCaption"},
        {"cboDate", "Day of birth", "lblDateCaption"},
        {"cboMonth", "Month of birth", "lblMonthCaption"},
        {"cboYear", "Year of birth", "lblYearCaption"},
    };
    for (const auto &row : boxes) {
        auto *box = m_form->findChild<QWidget *>(QLatin1StringView(row.box));
        QCOMPARE(nameOf(box), QLatin1StringView(row.name));
        // Readers that follow relations hear the caption the eye sees beside the box.
        QStringList labels;
        for (const auto &[label, relation] :
             QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label))
            labels << (label->object() ? label->object()->objectName() : QString());
        QVERIFY2(labels.contains(QLatin1StringView(row.caption)), row.box);
    }
}

void TestAccessibility::entryForm_dateListsKeepTheirEntryAsValueAndTheirPopup()
{
    auto *month = m_form->findChild<QComboBox *>(QStringLiteral("cboMonth"));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(month);
    QCOMPARE(list->role(), QAccessible::ComboBox);
    QCOMPARE(list->text(QAccessible::Value), QStringLiteral("January"));
    month->setCurrentIndex(2);
    QCOMPARE(list->text(QAccessible::Value), QStringLiteral("March"));
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Month of birth"));
    // Readers on Linux take a closed list's value from its text, or from the popup's selection.
    QCOMPARE(list->textInterface()->text(0, 5), QStringLiteral("March"));

    // The entries stay reachable through the popup, which the list's action opens and closes.
    QCOMPARE(list->childCount(), 1);
    QAccessibleInterface *popup = list->child(0);
    QVERIFY(popup);
    QCOMPARE(popup->object(), month->view());
    QCOMPARE(list->indexOfChild(popup), 0);
    QCOMPARE(popup->childCount(), 12);
    QCOMPARE(popup->child(2)->text(QAccessible::Name), QStringLiteral("March"));
    month->setCurrentIndex(4);
    QVERIFY(popup->child(4)->state().selected && !popup->child(2)->state().selected);
    month->setCurrentIndex(2);
    QAccessibleActionInterface *actions = list->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    QVERIFY(!list->state().expanded);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(month->view()->isVisible());
    QVERIFY(list->state().expanded);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(!month->view()->isVisible());
    QCOMPARE(month->currentIndex(), 2);
}

void TestAccessibility::display_cardPicturesNamedForTheCardTheyShow()
{
    const struct
    {
        const char *picture;
        const char *cardName;
    } boxes[] = {
        {"PicOneSephirothsCard", "lbSephirothSOneCardName"},
        {"PicTwoSephirothsCard", "lbSephirothSTwoCardName"},
        {"picPathsCard", "lblPathsCardName"},
    };
    // The name must match the picture on screen, not only the caption beside it.
    const auto verifyShows = [](QLabel *box, const QString &card) {
        QCOMPARE(nameOf(box), QStringLiteral("Card picture: ") + card);
        QCOMPARE(rgb(box->pixmap()), rgb(QImage(cardPictureFile(card))));
    };

    DisplayWindow display;
    for (const auto &row : boxes) {
        verifyShows(display.findChild<QLabel *>(QLatin1StringView(row.picture)),
                    QStringLiteral("Justice"));
        if (QTest::currentTestFailed())
            return;
    }

    // One reading after another on the same display: every name follows its picture.
    for (const SunSign sign :
         {SunSign::Pisces, SunSign::Aries, SunSign::Taurus, SunSign::Gemini, SunSign::Cancer,
          SunSign::Leo, SunSign::Virgo, SunSign::Libra, SunSign::Scorpio, SunSign::Sagittarius,
          SunSign::Capricorn, SunSign::Aquarius}) {
        qint16 month = 0;
        qint16 day = 0;
        while (month < 12 && SignFromDate(month, day) != sign) {
            day = qint16((day + 1) % 28);
            month = qint16(month + (day == 0 ? 1 : 0));
        }
        ApplyReading(display, month, day);
        for (const auto &row : boxes) {
            const QString card =
                display.findChild<QLabel *>(QLatin1StringView(row.cardName))->text();
            verifyShows(display.findChild<QLabel *>(QLatin1StringView(row.picture)), card);
            if (QTest::currentTestFailed()) {
                qWarning("%s, %s", qPrintable(sunSignName(sign)), row.picture);
                return;
            }
        }
    }
    QCOMPARE(nameOf(display.findChild<QLabel *>(QStringLiteral("picPathsCard"))),
             QStringLiteral("Card picture: The Star"));

    DisplayWindow pisces;
    ApplyReading(pisces, 2, 13);
    QCOMPARE(nameOf(pisces.findChild<QLabel *>(QStringLiteral("picPathsCard"))),
             QStringLiteral("Card picture: The Moon"));
}

void TestAccessibility::display_diagramAndSpheresNamedAsTheHelpNamesThem()
{
    DisplayWindow display;
    TreeOfLife *tree = display.treeOfLife();
    QCOMPARE(tree->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(nameOf(tree), QStringLiteral("Tree of Life"));
    QCOMPARE(nameOf(tree->sphereLabel(9)), QStringLiteral("Malkhuth"));
    QCOMPARE(nameOf(tree->sphereLabel(0)), QStringLiteral("Keter"));
    QCOMPARE(nameOf(tree->sphereLabel(10)), QStringLiteral("Daat"));
    QCOMPARE(nameOf(display.findChild<QLabel *>(QStringLiteral("ImgMoveMouseButton"))),
             QStringLiteral("Pointing hand"));

    // A reader hears for each sphere what pointing at it shows.
    const auto *helpName = display.findChild<QLabel *>(QStringLiteral("lblSphereName"));
    const auto *helpText = display.findChild<QLabel *>(QStringLiteral("lblSphereDesc"));
    QStringList names;
    for (int i = 0; i < kSphereCount; ++i) {
        QLabel *sphere = tree->sphereLabel(i);
        display.ShowSphereInfo(qint16(i));
        QCOMPARE(nameOf(sphere), helpName->text());
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(sphere);
        QVERIFY(!helpText->text().isEmpty());
        QCOMPARE(iface->text(QAccessible::Description), helpText->text());
        names << nameOf(sphere);
    }
    QCOMPARE(names.removeDuplicates(), 0);
}

void TestAccessibility::display_textPanelsNamedApart()
{
    DisplayWindow display;
    const QList<QPlainTextEdit *> panels = display.findChildren<QPlainTextEdit *>();
    QCOMPARE(panels.size(), 8);
    QStringList names;
    for (QPlainTextEdit *panel : panels) {
        QVERIFY2(!nameOf(panel).trimmed().isEmpty(), qPrintable(panel->objectName()));
        names << nameOf(panel);
    }
    // Two panels of the same name could not be told apart by ear.
    QCOMPARE(names.removeDuplicates(), 0);

    const auto name = [&](const char *panel) {
        return nameOf(display.findChild<QPlainTextEdit *>(QLatin1StringView(panel)));
    };
    QCOMPARE(name("txtOneSphereDesc"), QStringLiteral("Description of the first Sephira"));
    QCOMPARE(name("txtTwoAngelDesc"), QStringLiteral("About the second Sephira's archangel"));
    QCOMPARE(name("txtOneSephriothCardDesc"),
             QStringLiteral("Forecast of the first Sephira's card"));
    QCOMPARE(name("txtPathDecs"), QStringLiteral("Description of the path"));
    QCOMPARE(name("txtAboutYourPathsCards"), QStringLiteral("Forecast of the path's card"));
}

void TestAccessibility::reportAndAboutBox_names()
{
    ReportWindow report{ReportSources()};
    QCOMPARE(nameOf(report.findChild<QWidget *>(QStringLiteral("RTB"))), QStringLiteral("Report"));
    // The name does not take the place of the report's text.
    QAccessibleInterface *rtb =
        QAccessible::queryAccessibleInterface(report.findChild<QWidget *>(QStringLiteral("RTB")));
    QVERIFY(rtb->text(QAccessible::Value).startsWith(QStringLiteral("Report Generated By")));

    AboutBox box;
    QCOMPARE(nameOf(box.findChild<QLabel *>(QStringLiteral("picIcon"))),
             QStringLiteral("Zorvane icon"));
}

void TestAccessibility::mnemonics_entryForm()
{
    QVERIFY(activate(m_form));
    QStringList faults = buttonMnemonicFaults(m_form);
    faults << menuMnemonicFaults(m_form);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestAccessibility::mnemonics_frame()
{
    FrameWindow *frame = piscesFrame();
    QVERIFY(frame);
    QVERIFY(activate(frame));
    QStringList faults = buttonMnemonicFaults(frame);
    faults << menuMnemonicFaults(frame);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestAccessibility::mnemonics_reportAndAboutBox()
{
    ReportWindow report{ReportSources()};
    report.show();
    QVERIFY(activate(&report));
    QStringList faults = buttonMnemonicFaults(&report);
    report.close();

    AboutBox box;
    box.show();
    QVERIFY(activate(&box));
    faults << buttonMnemonicFaults(&box);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestAccessibility::tab_reachesEveryControl_entryFormReportAndAboutBox()
{
    QVERIFY(activate(m_form));
    QStringList faults = tabFaults(m_form);

    ReportWindow report{ReportSources()};
    report.show();
    QVERIFY(activate(&report));
    faults << tabFaults(&report);
    report.close();

    AboutBox box;
    box.show();
    QVERIFY(activate(&box));
    faults << tabFaults(&box);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestAccessibility::tab_reachesEveryControl_ofEveryPageOfTheFrame()
{
    FrameWindow *frame = piscesFrame();
    QVERIFY(frame);
    QVERIFY(activate(frame));
    TabControl *tabs = frame->display()->tabs();
    for (int page = 0; page < tabs->count(); ++page) {
        const QStringList faults = tabFaults(frame);
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("page %1:\n").arg(page) + faults.join(u'\n')));
        // The next page is one arrow key away from the strip.
        tabs->tabBar()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
        QCOMPARE(tabs->currentIndex(), qMin(page + 1, tabs->count() - 1));
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

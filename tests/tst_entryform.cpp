#include "AppInfo.h"
#include "Design.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FileDialog.h"
#include "FrameWindow.h"
#include "MessageBox.h"
#include "NameBox.h"
#include "NameFilter.h"
#include "Navigator.h"
#include "ReadingFile.h"
#include "Twips.h"
#include "UrlOpener.h"
#include "WebLinks.h"

#include "WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Zorvane;
using namespace Zorvane::Testing;

namespace {

QStringList messages()
{
    QStringList texts;
    for (const TestMessageBox::Record &r : TestMessageBox::shown())
        texts << r.text;
    return texts;
}

} // namespace

class TestEntryForm : public QObject, private NavigatorFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // The form as designed
    void window_captionSizeAndPlace();
    void controls_standWhereTheLayoutPutsThem();
    void controls_lookAsDesigned();
    void captions_nameAndLabelTheirBoxes_data();
    void captions_nameAndLabelTheirBoxes();
    void lists_holdDaysMonthsYears_presetToTheFirst();
    void tabOrder_andInitialFocus();
    void webLinks_bannerAndHelpMenu();
    void aboutItem_showsTheAboutBoxModally();

    // The name filter
    void typing_lowerCaseBecomesCapitals();
    void typing_refusedKeyShowsMessageAndChangesNothing();
    void typing_editingKeysPassSilently();
    void ctrlV_isRefusedAndPastesNothing();
    void pastedText_isFilteredWithOneMessage();
    void pastedText_keepsTheCursorAfterTheInsertedText();
    void droppedAndInputMethodText_areFiltered();
    void enter_triggersNoButton();
    void controlKeys_areRefusedWithTheMessage();
    void textAlreadyInTheBox_staysUntilDeleted();
    void nameFilter_filtersOnlyWhatAnEditInserts_data();
    void nameFilter_filtersOnlyWhatAnEditInserts();

    // Validation
    void validation_data();
    void validation();
    void emptyNameWithImpossibleDate_showsOnlyTheNameMessage();

    // Proceed
    void proceed_storesBirthDataAndShowsTheFrame();
    void proceed_blanksOnlyName_storesEmptyName();
    void proceed_untouchedLists_giveFirstJanuary1900();
    void proceed_fromTheMenu_isTheSameSequence();
    void proceed_refused_leavesEverythingAsItWas();

    // Open
    void open_putsTheFileIntoTheInputsAndProceeds();
    void open_valueMatchingNoEntry_leavesThatList();
    void open_cancelled_changesNothing();

    // Leaving
    void closing_endsTheProgram_data();
    void closing_endsTheProgram();

private:
    QLineEdit *name() const { return m_form->findChild<QLineEdit *>(QStringLiteral("txtName")); }
    QComboBox *list(const char *objectName) const
    {
        return m_form->findChild<QComboBox *>(QLatin1StringView(objectName));
    }
    template <typename T = QWidget> T *child(const char *objectName) const
    {
        return m_form->findChild<T *>(QLatin1StringView(objectName));
    }
    QAction *action(const char *objectName) const
    {
        return m_form->findChild<QAction *>(QLatin1StringView(objectName));
    }
};

void TestEntryForm::initTestCase()
{
    setUpWindowTests(QStringLiteral("tst_entryform"));
}

void TestEntryForm::init()
{
    QVERIFY(startProgram());
    // Whatever the update reminder did at load is not this test's business.
    TestMessageBox::clearShown();
    TestUrlOpener::clearOpened();
}

void TestEntryForm::cleanup()
{
    endProgram();
}

void TestEntryForm::window_captionSizeAndPlace()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Zorvane v" ZORVANE_VERSION));
    QCOMPARE(m_form->centralWidget()->size(), QSize(twips(7440), twips(5295)));
    // The menu bar sits above the client area, which keeps its designed size.
    QVERIFY(m_form->menuBar()->isVisible());
    QCOMPARE(m_form->centralWidget()->y(), m_form->menuBar()->height());

    const QPoint screenCentre = m_form->screen()->availableGeometry().center();
    const QPoint formCentre = m_form->frameGeometry().center();
    QVERIFY2((screenCentre - formCentre).manhattanLength() <= 2,
             qPrintable(
                 QStringLiteral("form centred at %1,%2").arg(formCentre.x()).arg(formCentre.y())));
}

void TestEntryForm::controls_standWhereTheLayoutPutsThem()
{
    const struct
    {
        const char *name;
        const char *parent;
        double left, top, width, height;
    } sized[] = {
        {"Frame2", nullptr, 0, 0, 7455, 615},
        {"Label61", "Frame2", 60, 120, 7320, 585},
        {"Frame1", nullptr, 0, 600, 7455, 3735},
        {"Label3", "Frame1", 240, 120, 7095, 615},
        {"Label4", "Frame1", 240, 855, 7095, 435},
        {"Frame3", "Frame1", 2040, 1320, 5295, 1455},
        {"cmdOpen", "Frame1", 120, 1440, 1815, 1335},
        {"cmdProceed", "Frame1", 120, 2880, 7260, 615},
        {"txtName", "Frame3", 1560, 240, 3615, 375},
        {"Frame5", nullptr, 0, 4320, 7455, 975},
        {"cmdExit", "Frame5", 6360, 360, 975, 375},
    };
    for (const auto &row : sized) {
        QWidget *w = child(row.name);
        QVERIFY2(w, row.name);
        QWidget *expectedParent = row.parent ? child(row.parent) : m_form->centralWidget();
        QCOMPARE(w->parentWidget(), expectedParent);
        QCOMPARE(w->geometry(), twipsRect(row.left, row.top, row.width, row.height));
    }

    const struct
    {
        const char *name;
        double left, top, width;
    } lists[] = {{"cboDate", 1560, 1080, 900},
                 {"cboMonth", 2580, 1080, 1380},
                 {"cboYear", 4080, 1080, 1020}};
    for (const auto &row : lists) {
        QComboBox *c = list(row.name);
        QCOMPARE(c->parentWidget(), child("Frame3"));
        QCOMPARE(c->pos(), QPoint(twips(row.left), twips(row.top)));
        QCOMPARE(c->width(), twips(row.width));
        QVERIFY(c->height() >= c->fontMetrics().height());
    }

    // Auto-size captions: placed by their top-left corner, as large as their text.
    const struct
    {
        const char *text;
        double left, top;
    } captions[] = {{"Name", 240, 330},
                    {"Date", 1785, 840},
                    {"Month", 3000, 840},
                    {"Year", 4440, 840},
                    {"Date Of Birth", 120, 1140}};
    const QList<QLabel *> labels = child<QGroupBox>("Frame3")->findChildren<QLabel *>();
    for (const auto &row : captions) {
        const auto found = std::find_if(labels.begin(), labels.end(), [&](const QLabel *l) {
            return l->text() == QLatin1StringView(row.text);
        });
        QVERIFY2(found != labels.end(), row.text);
        QCOMPARE((*found)->pos(), QPoint(twips(row.left), twips(row.top)));
        QVERIFY((*found)->width() >= (*found)->sizeHint().width());
    }
}

void TestEntryForm::controls_lookAsDesigned()
{
    for (const char *strip : {"Frame2", "Frame1", "Frame5"}) {
        QWidget *w = child(strip);
        QVERIFY(w->autoFillBackground());
        QCOMPARE(w->palette().color(QPalette::Window), kNavy);
    }

    auto *banner = child<QLabel>("Label61");
    QVERIFY(banner->text().contains(QUrl(kSiteAddress).host()));
    QCOMPARE(banner->palette().color(QPalette::WindowText), kWhite);
    QCOMPARE(banner->font(), verdana(9, true, true));
    QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!banner->autoFillBackground());
    QVERIFY(banner->alignment() & Qt::AlignHCenter);
    // One line that fits the strip.
    QVERIFY(banner->fontMetrics().horizontalAdvance(banner->text()) <= banner->width());

    auto *welcome = child<QLabel>("Label3");
    QCOMPARE(welcome->text(),
             QStringLiteral("Welcome to Zorvane. This software aims to give you a better idea "
                            "about the relationship of your sun sign shares with the Kabbalah "
                            "Tree of Life and the corresponding Tarot card."));
    QCOMPARE(welcome->palette().color(QPalette::WindowText), kYellow);
    QCOMPARE(welcome->font(), verdana(8.25, true));
    auto *instruction = child<QLabel>("Label4");
    QCOMPARE(instruction->text(),
             QStringLiteral("Enter Your Name and Date of Birth and Get Your Zorvane Reading."));
    QCOMPARE(instruction->palette().color(QPalette::WindowText), kCyan);
    QCOMPARE(instruction->font(), verdana(8.25, true));
    for (QLabel *l : {welcome, instruction}) {
        QVERIFY(l->alignment() & Qt::AlignHCenter);
        // The whole text fits its box.
        QVERIFY(l->heightForWidth(l->width()) <= l->height());
    }

    auto *details = child<QGroupBox>("Frame3");
    QCOMPARE(details->title(), QStringLiteral("Your Details"));
    QCOMPARE(details->font(), verdana(9, true));
    QCOMPARE(details->palette().color(QPalette::WindowText), kWhite);
    for (QLabel *caption : details->findChildren<QLabel *>()) {
        QCOMPARE(caption->font(), verdana(8.25, true, true));
        QCOMPARE(caption->palette().color(QPalette::WindowText), kWhite);
    }

    QWidget *inputs[] = {name(), list("cboDate"), list("cboMonth"), list("cboYear")};
    for (QWidget *w : inputs) {
        QCOMPARE(w->palette().color(QPalette::Base), kWhite);
        QCOMPARE(w->palette().color(QPalette::Text), kDarkRed);
    }
    QVERIFY(name()->text().isEmpty());
    QCOMPARE(name()->maxLength(), QLineEdit().maxLength());

    const struct
    {
        const char *name;
        const char *caption;
        double points;
    } buttons[] = {
        {"cmdOpen", "Click Here To Open Previously Saved Zorvane Reading", 9},
        {"cmdProceed", "Get My &Zorvane Reading", 9},
        {"cmdExit", "&Exit", 8.25},
    };
    for (const auto &row : buttons) {
        auto *b = child<QPushButton>(row.name);
        QCOMPARE(b->text(), QLatin1StringView(row.caption));
        QCOMPARE(b->font(), verdana(row.points, true));
        QCOMPARE(b->palette().color(QPalette::Button), kWhite);
        QVERIFY2(!b->isDefault() && !b->autoDefault(), row.name);
    }
}

void TestEntryForm::captions_nameAndLabelTheirBoxes_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("boxName");

    // The last caption stands over all three lists and labels none of them.
    const struct
    {
        const char *caption;
        const char *box;
        const char *boxName;
    } rows[] = {
        {"lblNameCaption", "txtName", "Name"},
        {"lblDateCaption", "cboDate", "Day of birth"},
        {"lblMonthCaption", "cboMonth", "Month of birth"},
        {"lblYearCaption", "cboYear", "Year of birth"},
        {"lblDateOfBirthCaption", "", ""},
    };
    for (const auto &r : rows) {
        QTest::newRow(r.caption) << QString::fromLatin1(r.caption) << QString::fromLatin1(r.box)
                                 << QString::fromLatin1(r.boxName);
    }
}

void TestEntryForm::captions_nameAndLabelTheirBoxes()
{
    QFETCH(QString, caption);
    QFETCH(QString, box);
    QFETCH(QString, boxName);

    auto *label = m_form->findChild<QLabel *>(caption);
    QVERIFY(label);
    if (box.isEmpty()) {
        QVERIFY(!label->buddy());
        return;
    }
    QCOMPARE(label->buddy(), m_form->findChild<QWidget *>(box));
    QCOMPARE(label->buddy()->accessibleName(), boxName);
}

void TestEntryForm::lists_holdDaysMonthsYears_presetToTheFirst()
{
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QStringList years;
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    const QStringList months = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

    const std::pair<const char *, QStringList> expected[] = {
        {"cboDate", days}, {"cboMonth", months}, {"cboYear", years}};
    for (const auto &[objectName, items] : expected) {
        QComboBox *c = list(objectName);
        QVERIFY2(!c->isEditable(), objectName);
        QStringList actual;
        for (int i = 0; i < c->count(); ++i)
            actual << c->itemText(i);
        QCOMPARE(actual, items);
        QCOMPARE(c->currentIndex(), 0);
    }
    QCOMPARE(years.size(), 151);
    QCOMPARE(m_form->dayText(), QStringLiteral("1"));
    QCOMPARE(m_form->monthText(), QStringLiteral("January"));
    QCOMPARE(m_form->yearText(), QStringLiteral("1900"));
}

void TestEntryForm::tabOrder_andInitialFocus()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QCOMPARE(QApplication::focusWidget(), name());

    QStringList order{name()->objectName()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({QStringLiteral("txtName"), QStringLiteral("cboDate"),
                                 QStringLiteral("cboMonth"), QStringLiteral("cboYear"),
                                 QStringLiteral("cmdProceed"), QStringLiteral("cmdOpen"),
                                 QStringLiteral("cmdExit")}));
    // The banner is a link, reached after the form's own controls.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Label61"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), name());
}

void TestEntryForm::webLinks_bannerAndHelpMenu()
{
    action("mnuOnline")->trigger();
    action("mnuVisit")->trigger();
    action("mnuUpdate")->trigger();
    QTest::mouseClick(child("Label61"), Qt::LeftButton);
    // A press that ends outside the banner is no click.
    QWidget *banner = child("Label61");
    QTest::mousePress(banner, Qt::LeftButton);
    QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(-5, -5));

    QCOMPARE(TestUrlOpener::opened(),
             QList<QUrl>({helpPageUrl(), homePageUrl(), downloadPageUrl(), homePageUrl()}));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::aboutItem_showsTheAboutBoxModally()
{
    QString shown;
    QTimer::singleShot(0, this, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = modal->objectName();
            modal->close();
        }
    });
    action("mnuAbout")->trigger();
    QCOMPARE(shown, QStringLiteral("frmAbout"));
    QVERIFY(m_form->isVisible());
}

void TestEntryForm::typing_lowerCaseBecomesCapitals()
{
    QTest::keyClicks(name(), QStringLiteral("anna"));
    QCOMPARE(name()->text(), QStringLiteral("ANNA"));
    QTest::keyClick(name(), Qt::Key_Space);
    QTest::keyClicks(name(), QStringLiteral("Lee"));
    QCOMPARE(name()->text(), QStringLiteral("ANNA LEE"));
    QTest::keyClick(name(), Qt::Key_Backspace);
    QCOMPARE(name()->text(), QStringLiteral("ANNA LE"));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::typing_refusedKeyShowsMessageAndChangesNothing()
{
    QTest::keyClicks(name(), QStringLiteral("ab"));
    QTest::keyClick(name(), Qt::Key_Left);
    QTest::keyClick(name(), Qt::Key_7, Qt::NoModifier);
    QCOMPARE(name()->text(), QStringLiteral("AB"));
    QCOMPARE(name()->cursorPosition(), 1);
    QCOMPARE(TestMessageBox::shown().size(), 1);
    const TestMessageBox::Record &r = TestMessageBox::shown().first();
    QCOMPARE(r.text, QStringLiteral("Please Enter only Letters"));
    QCOMPARE(r.icon, QMessageBox::Information);
    QCOMPARE(r.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(r.title, kAppTitle);

    // Punctuation, an accented letter, Escape: each refused with its own message.
    TestMessageBox::clearShown();
    QTest::keyClick(name(), Qt::Key_Period);
    QTest::keyClick(name(), Qt::Key_Minus);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(name(), &accented);
    QTest::keyClick(name(), Qt::Key_Escape);
    QCOMPARE(name()->text(), QStringLiteral("AB"));
    QCOMPARE(TestMessageBox::shown().size(), 4);
}

void TestEntryForm::typing_editingKeysPassSilently()
{
    QTest::keyClicks(name(), QStringLiteral("abc"));
    QTest::keyClick(name(), Qt::Key_Home);
    QTest::keyClick(name(), Qt::Key_Delete);
    QTest::keyClick(name(), Qt::Key_End);
    QTest::keyClick(name(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(name(), Qt::Key_Return);
    QTest::keyClick(name(), Qt::Key_Enter);
    QCOMPARE(name()->text(), QStringLiteral("BC"));
    QCOMPARE(name()->selectedText(), QStringLiteral("C"));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::ctrlV_isRefusedAndPastesNothing()
{
    QApplication::clipboard()->setText(QStringLiteral("ANNA"));
    QTest::keyClick(name(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(name()->text(), QString());
    QTest::keyClicks(name(), QStringLiteral("ab"));
    QTest::keyClick(name(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(name(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(name()->text(), QStringLiteral("AB"));
    QCOMPARE(messages(), QStringList(3, QStringLiteral("Please Enter only Letters")));
}

void TestEntryForm::pastedText_isFilteredWithOneMessage()
{
    // Shift+Insert, and the context menu's Paste, which calls paste().
    QApplication::clipboard()->setText(QStringLiteral("ann4é"));
    QTest::keyClick(name(), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(name()->text(), QStringLiteral("ANN"));
    QCOMPARE(messages(), QStringList(QStringLiteral("Please Enter only Letters")));

    TestMessageBox::clearShown();
    name()->clear();
    name()->paste();
    QCOMPARE(name()->text(), QStringLiteral("ANN"));
    QCOMPARE(TestMessageBox::shown().size(), 1);

    // Clean text needs no message; lower case is still made capital.
    TestMessageBox::clearShown();
    name()->clear();
    QApplication::clipboard()->setText(QStringLiteral("Anna Lee"));
    name()->paste();
    QCOMPARE(name()->text(), QStringLiteral("ANNA LEE"));
    QVERIFY(TestMessageBox::shown().isEmpty());

    // Nothing usable at all: the box is unchanged, the user is told.
    QApplication::clipboard()->setText(QStringLiteral("\t42\n"));
    name()->paste();
    QCOMPARE(name()->text(), QStringLiteral("ANNA LEE"));
    QCOMPARE(TestMessageBox::shown().size(), 1);

    // Text the program sets is neither filtered nor reported.
    TestMessageBox::clearShown();
    name()->setText(QStringLiteral("ANNA"));
    QCOMPARE(name()->text(), QStringLiteral("ANNA"));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::pastedText_keepsTheCursorAfterTheInsertedText()
{
    QTest::keyClicks(name(), QStringLiteral("ad"));
    name()->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("b-c"));
    name()->paste();
    QCOMPARE(name()->text(), QStringLiteral("ABCD"));
    QCOMPARE(name()->cursorPosition(), 3);
    QTest::keyClicks(name(), QStringLiteral("x"));
    QCOMPARE(name()->text(), QStringLiteral("ABCXD"));
}

void TestEntryForm::droppedAndInputMethodText_areFiltered()
{
    QMimeData mime;
    mime.setText(QStringLiteral("ann4é"));
    const QPoint middle = name()->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(name(), &enter);
    QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(name(), &drop);
    QCOMPARE(name()->text(), QStringLiteral("ANN"));
    QCOMPARE(TestMessageBox::shown().size(), 1);

    TestMessageBox::clearShown();
    QInputMethodEvent composing(QStringLiteral("e"), {});
    QApplication::sendEvent(name(), &composing);
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(name(), &committed);
    QCOMPARE(name()->text(), QStringLiteral("ANN"));
    QCOMPARE(TestMessageBox::shown().size(), 1);

    TestMessageBox::clearShown();
    QInputMethodEvent letter;
    letter.setCommitString(QStringLiteral("a"));
    QApplication::sendEvent(name(), &letter);
    QCOMPARE(name()->text(), QStringLiteral("ANNA"));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::enter_triggersNoButton()
{
    QTest::keyClicks(name(), QStringLiteral("anna"));
    QTest::keyClick(name(), Qt::Key_Return);
    auto *proceed = child<QPushButton>("cmdProceed");
    proceed->setFocus();
    QTest::keyClick(proceed, Qt::Key_Return);
    QTest::keyClick(proceed, Qt::Key_Enter);
    QVERIFY(!m_app->frame());
    QVERIFY(m_form->isVisible());
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::controlKeys_areRefusedWithTheMessage()
{
    QTest::keyClicks(name(), QStringLiteral("anna lee"));
    QTest::keyClick(name(), Qt::Key_Backspace, Qt::ControlModifier);
    QTest::keyClick(name(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(name(), Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(name(), Qt::Key_BracketLeft, Qt::ControlModifier);
    QCOMPARE(name()->text(), QStringLiteral("ANNA LEE"));
    QCOMPARE(name()->cursorPosition(), 8);
    QCOMPARE(messages(), QStringList(4, QStringLiteral("Please Enter only Letters")));
    QVERIFY(!m_app->frame());
}

void TestEntryForm::textAlreadyInTheBox_staysUntilDeleted()
{
    // As a reading file may hold it: the form shows the name as it is.
    auto *box = static_cast<NameBox *>(name());
    box->setTextAsIs(QStringLiteral("ANN\u00c9-MARIE 2"));
    box->end(false);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("ANN\u00c9-MARIE "));
    box->setCursorPosition(4);
    QTest::keyClicks(box, QStringLiteral("x"));
    QCOMPARE(box->text(), QStringLiteral("ANN\u00c9X-MARIE "));
    QVERIFY(TestMessageBox::shown().isEmpty());

    // Only what is inserted is filtered, and the cursor stays after it.
    QApplication::clipboard()->setText(QStringLiteral("y-z"));
    box->paste();
    QCOMPARE(box->text(), QStringLiteral("ANN\u00c9XYZ-MARIE "));
    QCOMPARE(box->cursorPosition(), 7);
    QTest::keyClick(box, Qt::Key_3);
    QCOMPARE(box->text(), QStringLiteral("ANN\u00c9XYZ-MARIE "));
    QCOMPARE(TestMessageBox::shown().size(), 2);
}

void TestEntryForm::nameFilter_filtersOnlyWhatAnEditInserts_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");
    QTest::addColumn<bool>("refused");

    // The box's text before the edit, the text the edit leaves with the cursor, and what the
    // filter makes of both.
    const struct
    {
        const char *row;
        const char *before;
        const char *edited;
        int cursor;
        const char *after;
        int cursorAfter;
        bool refused;
    } rows[] = {
        {"typed at the end", "AB", "ABc", 3, "ABC", 3, false},
        {"pasted in the middle", "AD", "Ab-1cD", 5, "ABCD", 3, true},
        {"cursor beyond the insert", "AD", "Ax9D", 4, "AXD", 3, true},
        {"inside a run of one letter", "AA", "AaA", 2, "AAA", 2, false},
        {"selection replaced", "ANNA", "A1A", 2, "AA", 1, true},
        {"deletion", "ABC", "AC", 1, "AC", 1, false},
        {"blank", "A", "A b", 3, "A B", 3, false},
        {"old text after the insert", "\u00c92", "b\u00c92", 1, "B\u00c92", 1, false},
        {"old text before the insert", "\u00c92", "\u00c92x", 3, "\u00c92X", 3, false},
    };
    for (const auto &r : rows) {
        QTest::newRow(r.row) << QString::fromUtf8(r.before) << QString::fromUtf8(r.edited)
                             << r.cursor << QString::fromUtf8(r.after) << r.cursorAfter
                             << r.refused;
    }
}

void TestEntryForm::nameFilter_filtersOnlyWhatAnEditInserts()
{
    QFETCH(QString, before);
    QFETCH(QString, edited);
    QFETCH(int, cursor);

    NameFilter filter;
    filter.setBefore(before);
    QCOMPARE(filter.validate(edited, cursor), QValidator::Acceptable);
    QTEST(edited, "after");
    QTEST(cursor, "cursorAfter");
    QTEST(filter.takeRefused(), "refused");
    QVERIFY(!filter.takeRefused());
}

void TestEntryForm::validation_data()
{
    QTest::addColumn<QString>("nameText");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("message"); // empty: passes

    const QString date = QStringLiteral("Please Enter Correct Date of Birth !");
    QTest::newRow("empty name") << QString() << 1 << 1
                                << QStringLiteral("Please Enter  Your Name !");
    QTest::newRow("blanks only") << QStringLiteral("   ") << 1 << 1 << QString();
    QTest::newRow("29 February") << QStringLiteral("A") << 29 << 2 << QString();
    QTest::newRow("30 February") << QStringLiteral("A") << 30 << 2 << date;
    QTest::newRow("31 February") << QStringLiteral("A") << 31 << 2 << date;
    for (const int month : {4, 6, 9, 11}) {
        QTest::addRow("31 of month %d", month) << QStringLiteral("A") << 31 << month << date;
        QTest::addRow("30 of month %d", month) << QStringLiteral("A") << 30 << month << QString();
    }
    for (const int month : {1, 3, 5, 7, 8, 10, 12})
        QTest::addRow("31 of month %d", month) << QStringLiteral("A") << 31 << month << QString();
}

void TestEntryForm::validation()
{
    QFETCH(QString, nameText);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, message);

    name()->setText(nameText);
    setDate(day, month, 1900);
    child<QPushButton>("cmdProceed")->setFocus();
    QCOMPARE(m_form->validateBirthData(), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(TestMessageBox::shown().isEmpty());
        return;
    }
    QCOMPARE(messages(), QStringList(message));
    QCOMPARE(TestMessageBox::shown().first().icon, QMessageBox::Information);
    // Only the name message moves the focus.
    QCOMPARE(m_form->focusWidget() == name(), nameText.isEmpty());
}

void TestEntryForm::emptyNameWithImpossibleDate_showsOnlyTheNameMessage()
{
    setDate(31, 2, 1975);
    QTest::mouseClick(child("cmdProceed"), Qt::LeftButton);
    QCOMPARE(messages(), QStringList(QStringLiteral("Please Enter  Your Name !")));
    QCOMPARE(m_form->focusWidget(), name());
    QVERIFY(!m_app->frame());
}

void TestEntryForm::proceed_storesBirthDataAndShowsTheFrame()
{
    CloseCounter closes;
    m_form->installEventFilter(&closes);
    FrameWindow *frame = proceed(QStringLiteral("  anna "), 14, 3, 1975);

    QVERIFY(TestMessageBox::shown().isEmpty());
    const BirthData &data = m_form->birthData();
    QCOMPARE(data.Name, QStringLiteral("ANNA"));
    QCOMPARE(data.Year, qint16(1975));
    QCOMPARE(data.Month, QStringLiteral("March"));
    QCOMPARE(data.Day, qint16(14));

    // Hidden, not closed: the inputs keep their values.
    QVERIFY(m_form->isHidden());
    QCOMPARE(closes.count, 0);
    QCOMPARE(name()->text(), QStringLiteral("  ANNA "));

    QVERIFY(frame);
    QVERIFY(frame->isVisible());
    QVERIFY(frame->isMaximized());
    QVERIFY(frame->display());
    QVERIFY(frame->display()->isVisible());
    QCOMPARE(frame->display()->window(), frame);
}

void TestEntryForm::proceed_blanksOnlyName_storesEmptyName()
{
    name()->setText(QStringLiteral("   "));
    m_form->cmdProceed_Click();
    QVERIFY(TestMessageBox::shown().isEmpty());
    QVERIFY(m_app->frame());
    QCOMPARE(m_form->birthData().Name, QString());
}

void TestEntryForm::proceed_untouchedLists_giveFirstJanuary1900()
{
    QTest::keyClicks(name(), QStringLiteral("anna"));
    m_form->cmdProceed_Click();
    QCOMPARE(m_form->birthData().Day, qint16(1));
    QCOMPARE(m_form->birthData().Month, QStringLiteral("January"));
    QCOMPARE(m_form->birthData().Year, qint16(1900));
}

void TestEntryForm::proceed_fromTheMenu_isTheSameSequence()
{
    action("mnuGetMyKabbalisticAstrology")->trigger();
    QCOMPARE(messages(), QStringList(QStringLiteral("Please Enter  Your Name !")));
    QVERIFY(!m_app->frame());

    name()->setText(QStringLiteral("BEN"));
    setDate(31, 12, 2050);
    action("mnuGetMyKabbalisticAstrology")->trigger();
    QVERIFY(m_app->frame());
    QVERIFY(m_form->isHidden());
    QCOMPARE(m_form->birthData().Name, QStringLiteral("BEN"));
    QCOMPARE(m_form->birthData().Year, qint16(2050));
    QCOMPARE(m_form->birthData().Month, QStringLiteral("December"));
    QCOMPARE(m_form->birthData().Day, qint16(31));
}

void TestEntryForm::proceed_refused_leavesEverythingAsItWas()
{
    name()->setText(QStringLiteral("ANNA"));
    m_form->cmdProceed_Click();
    const BirthData before = m_form->birthData();
    QPointer<FrameWindow> firstFrame = m_app->frame();
    firstFrame->cmdBack_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    name()->setText(QStringLiteral("BEN"));
    setDate(31, 4, 1980);
    m_form->cmdProceed_Click();
    QCOMPARE(messages(), QStringList(QStringLiteral("Please Enter Correct Date of Birth !")));
    QVERIFY(m_form->isVisible());
    QVERIFY(!m_app->frame());
    QCOMPARE(m_form->birthData().Name, before.Name);
    QCOMPARE(m_form->birthData().Year, before.Year);
    QCOMPARE(name()->text(), QStringLiteral("BEN"));
    QCOMPARE(list("cboDate")->currentIndex(), 30);
}

void TestEntryForm::open_putsTheFileIntoTheInputsAndProceeds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anna.zvr"));
    QVERIFY(writeReadingFile(path, {QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 14}).ok);
    TestFileDialog::setNextFileName(path);

    QTest::mouseClick(child("cmdOpen"), Qt::LeftButton);

    QVERIFY(TestMessageBox::shown().isEmpty());
    QCOMPARE(name()->text(), QStringLiteral("ANNA"));
    QCOMPARE(list("cboDate")->currentText(), QStringLiteral("14"));
    QCOMPARE(list("cboMonth")->currentText(), QStringLiteral("March"));
    QCOMPARE(list("cboYear")->currentText(), QStringLiteral("1975"));
    QCOMPARE(m_form->birthData().Day, qint16(14));
    QVERIFY(m_app->frame());
    QVERIFY(m_form->isHidden());

    // The File menu item runs the same command. The name goes in as the file has it.
    m_app->frame()->cmdBack_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString other = dir.filePath(QStringLiteral("ben.zvr"));
    QVERIFY(writeReadingFile(other, {QStringLiteral("ben"), 2001, QStringLiteral("July"), 4}).ok);
    TestFileDialog::setNextFileName(other);
    action("mnuOpenPreviouslySavedKabbalah")->trigger();
    QCOMPARE(name()->text(), QStringLiteral("ben"));
    QCOMPARE(m_form->birthData().Name, QStringLiteral("ben"));
    QCOMPARE(m_form->birthData().Month, QStringLiteral("July"));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::open_valueMatchingNoEntry_leavesThatList()
{
    setDate(5, 6, 1960);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd.zvr"));
    QVERIFY(writeReadingFile(path, {QStringLiteral("ANNA"), 1975, QStringLiteral("march"), 32}).ok);
    TestFileDialog::setNextFileName(path);
    m_form->cmdOpen_Click();
    QCOMPARE(list("cboDate")->currentText(), QStringLiteral("5"));
    QCOMPARE(list("cboMonth")->currentText(), QStringLiteral("June"));
    QCOMPARE(list("cboYear")->currentText(), QStringLiteral("1975"));
    QCOMPARE(m_form->birthData().Day, qint16(5));
    QVERIFY(m_app->frame());
}

void TestEntryForm::open_cancelled_changesNothing()
{
    name()->setText(QStringLiteral("ANNA"));
    TestFileDialog::setNextFileName(QString());
    m_form->cmdOpen_Click();
    QCOMPARE(name()->text(), QStringLiteral("ANNA"));
    QVERIFY(!m_app->frame());
    QVERIFY(m_form->isVisible());
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestEntryForm::closing_endsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << QStringLiteral("close");
    QTest::newRow("Exit button") << QStringLiteral("cmdExit");
    QTest::newRow("File > Exit") << QStringLiteral("mnuExit");
}

void TestEntryForm::closing_endsTheProgram()
{
    QFETCH(QString, how);
    CloseCounter closes;
    m_form->installEventFilter(&closes);

    const int status = exitStatusOf([&] {
        if (how == u"close")
            m_form->close();
        else if (how == u"cmdExit")
            QTest::mouseClick(child("cmdExit"), Qt::LeftButton);
        else
            action("mnuExit")->trigger();
    });

    QCOMPARE(status, 0);
    QCOMPARE(closes.count, 1);
    for (const QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestEntryForm)
#include "tst_entryform.moc"

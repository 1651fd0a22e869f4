#include "EntryForm.h"

#include "AboutBox.h"
#include "AppIcon.h"
#include "AppInfo.h"
#include "ClickableLabel.h"
#include "DateList.h"
#include "Design.h"
#include "Menus.h"
#include "MessageBox.h"
#include "NameBox.h"
#include "OpenReading.h"
#include "ShutDown.h"
#include "Twips.h"
#include "UpdateReminder.h"
#include "WebLinks.h"
#include "WindowPlacement.h"
#include "WrappingButton.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace Zorvane {

namespace {

const QString kWelcome = QStringLiteral(
    "Welcome to Zorvane. This software aims to give you a better idea about the relationship of "
    "your sun sign shares with the Kabbalah Tree of Life and the corresponding Tarot card.");
const QString kInstruction =
    QStringLiteral("Enter Your Name and Date of Birth and Get Your Zorvane Reading.");

void keepNumber(qint16 &field, const QString &text)
{
    bool ok = false;
    const qint16 value = trimBlanks(text).toShort(&ok);
    if (ok)
        field = value;
}

// A value that matches no entry leaves the list as it was.
void selectText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QFont &font,
              const QColor &colour)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1StringView(name));
    l->setFont(font);
    setColors(l, colour);
    return l;
}

QWidget *navyStrip(QWidget *parent, const char *name)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QLatin1StringView(name));
    setColors(w, kWhite, kNavy);
    return w;
}

QComboBox *pickList(QWidget *parent, const char *name)
{
    auto *c = new DateList(parent);
    c->setObjectName(QLatin1StringView(name));
    c->setEditable(false);
    setColors(c, kDarkRed, kWhite);
    return c;
}

} // namespace

EntryForm::EntryForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kVersionCaption);
    // A reading file dropped from the file manager opens as the Open button would open it.
    setAcceptDrops(true);

    buildClient();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen();
    Form_Load();
}

EntryForm::~EntryForm() = default;

void EntryForm::buildClient()
{
    auto *client = new QWidget(this);
    client->setFixedSize(twips(7440), twips(5295));
    client->setFont(verdana(8.25));
    setColors(client, kWhite, kNavy);

    QWidget *frame2 = navyStrip(client, "Frame2");
    QWidget *frame1 = navyStrip(client, "Frame1");
    QWidget *frame5 = navyStrip(client, "Frame5");

    m_label61 = new ClickableLabel(communityBannerText(), frame2);
    m_label61->setObjectName(QStringLiteral("Label61"));
    m_label61->setFont(verdana(9, true, true));
    m_label61->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColors(m_label61, kWhite);
    connect(m_label61, &ClickableLabel::clicked, this, &EntryForm::Label61_Click);

    for (QLabel *l : {label(frame1, "Label3", kWelcome, verdana(8.25, true), kYellow),
                      label(frame1, "Label4", kInstruction, verdana(8.25, true), kCyan)}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
    }

    buildDetails(frame1);

    const QFont buttonFont = verdana(9, true);
    m_cmdOpen = new WrappingButton(
        QStringLiteral("Click Here To Open Previously Saved Zorvane Reading"), frame1);
    styleButton(m_cmdOpen, "cmdOpen", buttonFont);
    m_cmdProceed = new QPushButton(QStringLiteral("Get My &Zorvane Reading"), frame1);
    styleButton(m_cmdProceed, "cmdProceed", buttonFont);
    m_cmdExit = new QPushButton(QStringLiteral("&Exit"), frame5);
    styleButton(m_cmdExit, "cmdExit", verdana(8.25, true));

    place(client, {
                      {"Frame2", 0, 0, 7455, 615},          {"Label61", 60, 120, 7320, 585},

                      {"Frame1", 0, 600, 7455, 3735},       {"Label3", 240, 120, 7095, 615},
                      {"Label4", 240, 855, 7095, 435},      {"cmdOpen", 120, 1440, 1815, 1335},
                      {"cmdProceed", 120, 2880, 7260, 615},

                      {"Frame3", 2040, 1320, 5295, 1455},   {"lblNameCaption", 240, 330},
                      {"lblDateCaption", 1785, 840},        {"lblMonthCaption", 3000, 840},
                      {"lblYearCaption", 4440, 840},        {"lblDateOfBirthCaption", 120, 1140},
                      {"txtName", 1560, 240, 3615, 375},    {"cboDate", 1560, 1080, 900},
                      {"cboMonth", 2580, 1080, 1380},       {"cboYear", 4080, 1080, 1020},

                      {"Frame5", 0, 4320, 7455, 975},       {"cmdExit", 6360, 360, 975, 375},
                  });

    setTabOrder(m_txtName, m_cboDate);
    setTabOrder(m_cboDate, m_cboMonth);
    setTabOrder(m_cboMonth, m_cboYear);
    setTabOrder(m_cboYear, m_cmdProceed);
    setTabOrder(m_cmdProceed, m_cmdOpen);
    setTabOrder(m_cmdOpen, m_cmdExit);

    connect(m_cmdProceed, &QPushButton::clicked, this, &EntryForm::cmdProceed_Click);
    connect(m_cmdOpen, &QPushButton::clicked, this, &EntryForm::cmdOpen_Click);
    connect(m_cmdExit, &QPushButton::clicked, this, &EntryForm::cmdExit_Click);

    setCentralWidget(client);
    m_txtName->setFocus();
}

// The "Your Details" group: the name box and the three date lists with their captions.
void EntryForm::buildDetails(QWidget *parent)
{
    auto *frame3 = new QGroupBox(QStringLiteral("Your Details"), parent);
    frame3->setObjectName(QStringLiteral("Frame3"));
    frame3->setFont(verdana(9, true));
    setColors(frame3, kWhite);

    // Captions first: they come before their boxes for readers that walk the window.
    const QFont captionFont = verdana(8.25, true, true);
    QList<QLabel *> captions;
    for (const auto &[name, text] :
         {std::pair{"lblNameCaption", "Name"}, std::pair{"lblDateCaption", "Date"},
          std::pair{"lblMonthCaption", "Month"}, std::pair{"lblYearCaption", "Year"},
          std::pair{"lblDateOfBirthCaption", "Date Of Birth"}}) {
        captions.append(label(frame3, name, QLatin1StringView(text), captionFont, kWhite));
        captions.constLast()->adjustSize();
    }

    m_txtName = new NameBox(frame3);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setFont(verdana(8.25));
    setColors(m_txtName, kDarkRed, kWhite);
    m_txtName->setKeyPressHandler([this](int code) { return txtName_KeyPress(code); });
    m_txtName->setRefusedHandler([this] { txtName_Refused(); });

    m_cboDate = pickList(frame3, "cboDate");
    m_cboMonth = pickList(frame3, "cboMonth");
    m_cboYear = pickList(frame3, "cboYear");
    // Lists keep the height their font gives them; only their width is designed.
    for (QComboBox *c : {m_cboDate, m_cboMonth, m_cboYear})
        c->resize(c->width(), c->sizeHint().height());

    // The boxes have no text of their own, and the lists' captions alone ("Date") say too little
    // to name them by. The first four captions still label their boxes for readers that follow
    // relations.
    const std::pair<QWidget *, const char *> boxes[] = {
        {m_txtName, "Name"},
        {m_cboDate, "Day of birth"},
        {m_cboMonth, "Month of birth"},
        {m_cboYear, "Year of birth"},
    };
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        boxes[i].first->setAccessibleName(QLatin1StringView(boxes[i].second));
        captions.at(qsizetype(i))->setBuddy(boxes[i].first);
    }
}

void EntryForm::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(
        menuItem(file, "mnuGetMyKabbalisticAstrology", QStringLiteral("Get My &Zorvane  Reading")),
        &QAction::triggered, this, &EntryForm::cmdProceed_Click);
    connect(menuItem(file, "mnuOpenPreviouslySavedKabbalah",
                     QStringLiteral("Open Previously Saved Zorvane Reading"),
                     QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &EntryForm::cmdOpen_Click);
    connect(menuItem(file, "mnuExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &EntryForm::cmdExit_Click);

    addHelpMenu(this, "mnuHelp1", "mnuHelp2");
}

void EntryForm::centreOnScreen()
{
    adjustSize();
    centreWhenFramed(this, [this] {
        const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
        return s ? s->availableGeometry() : QRect();
    });
}

void EntryForm::Form_Load()
{
    UpdateReminder(this);

    for (int day = 1; day <= 31; ++day)
        m_cboDate->addItem(QString::number(day));
    for (const char *month : {"January", "February", "March", "April", "May", "June", "July",
                              "August", "September", "October", "November", "December"})
        m_cboMonth->addItem(QLatin1StringView(month));
    for (int year = 1900; year <= 2050; ++year)
        m_cboYear->addItem(QString::number(year));

    m_cboDate->setCurrentIndex(0);
    m_cboMonth->setCurrentIndex(0);
    m_cboYear->setCurrentIndex(0);
}

QString EntryForm::dayText() const
{
    return m_cboDate->currentText();
}

QString EntryForm::monthText() const
{
    return m_cboMonth->currentText();
}

QString EntryForm::yearText() const
{
    return m_cboYear->currentText();
}

int EntryForm::txtName_KeyPress(int keyAscii)
{
    const KeyFilterResult r = filterNameKey(keyAscii);
    if (r.refused)
        MessageBox::information(this, kMsgOnlyLetters);
    return r.code;
}

void EntryForm::txtName_Refused()
{
    MessageBox::information(this, kMsgOnlyLetters);
}

bool EntryForm::validateBirthData()
{
    const Validation v = ValidateBirthData(m_txtName->text(), qint16(m_cboMonth->currentIndex()),
                                           qint16(m_cboDate->currentIndex()));
    if (v == Validation::Ok)
        return true;
    MessageBox::information(this, validationMessage(v));
    if (v == Validation::EmptyName)
        m_txtName->setFocus();
    return false;
}

void EntryForm::cmdProceed_Click()
{
    if (!validateBirthData())
        return;

    m_birthData.Name = trimBlanks(m_txtName->text());
    keepNumber(m_birthData.Year, m_cboYear->currentText());
    m_birthData.Month = trimBlanks(m_cboMonth->currentText());
    keepNumber(m_birthData.Day, m_cboDate->currentText());

    emit readingRequested(qint16(m_cboMonth->currentIndex()), qint16(m_cboDate->currentIndex()));
}

void EntryForm::cmdOpen_Click()
{
    applyReadingFile(chooseAndReadReadingFile(this));
}

void EntryForm::openReadingFile(const QString &path)
{
    applyReadingFile(readChosenReadingFile(this, path));
}

void EntryForm::applyReadingFile(const std::optional<std::array<QString, kReadingFileLines>> &lines)
{
    if (!lines)
        return;
    m_txtName->setTextAsIs(lines->at(0));
    selectText(m_cboDate, lines->at(1));
    selectText(m_cboMonth, lines->at(2));
    selectText(m_cboYear, lines->at(3));
    cmdProceed_Click();
}

void EntryForm::cmdExit_Click()
{
    close();
}

void EntryForm::Label61_Click()
{
    OpenHomePage();
}

void EntryForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!draggedReadingFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void EntryForm::dropEvent(QDropEvent *event)
{
    const QString path = draggedReadingFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has finished: the file manager is not kept waiting on a message box
    // or on the reading.
    QMetaObject::invokeMethod(
        this, [this, path] { openReadingFile(path); }, Qt::QueuedConnection);
}

void EntryForm::closeEvent(QCloseEvent *event)
{
    ShutDown();
    event->accept();
}

} // namespace Zorvane

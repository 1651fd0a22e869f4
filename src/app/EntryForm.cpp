#include "EntryForm.h"

#include "AboutBox.h"
#include "AppIcon.h"
#include "AppInfo.h"
#include "ClickableLabel.h"
#include "DateList.h"
#include "Design.h"
#include "Menus.h"
#include "MessageBox.h"
#include "OpenReading.h"
#include "ShutDown.h"
#include "Twips.h"
#include "UpdateReminder.h"
#include "WebLinks.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QValidator>

#include <utility>

namespace Zorvane {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kLineFeed = 10;
constexpr int kDelete = 127;

const QString kWelcome = QStringLiteral(
    "Welcome to Zorvane. This software aims to give you a better idea about the relationship of "
    "your sun sign shares with the Kabbalah Tree of Life and the corresponding Tarot card.");
const QString kInstruction =
    QStringLiteral("Enter Your Name and Date of Birth and Get Your Zorvane Reading.");

// Applies the name rule to whatever an edit inserts, so that no path into the box (typing,
// pasting, dropping, an input method) can add a refused character. Text already in the box, such
// as a name read from a file, stays as it is until the user deletes it.
class NameFilter : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const qsizetype common = std::min(input.size(), m_before.size());
        qsizetype prefix = 0;
        while (prefix < common && input.at(prefix) == m_before.at(prefix))
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < common - prefix &&
               input.at(input.size() - 1 - suffix) == m_before.at(m_before.size() - 1 - suffix))
            ++suffix;
        const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
        const TextFilterResult filtered = filterNameText(inserted);
        if (filtered.text != inserted) {
            const qsizetype end = prefix + inserted.size();
            if (pos > end)
                pos -= int(inserted.size() - filtered.text.size());
            else if (pos > prefix)
                pos = int(prefix + filterNameText(inserted.left(pos - prefix)).text.size());
            input = input.left(prefix) + filtered.text + input.right(suffix);
        }
        m_refused = m_refused || filtered.refused;
        return Acceptable;
    }

    // The box's text after each change: what the next edit is measured against.
    void setBefore(const QString &text) { m_before = text; }
    bool takeRefused() { return std::exchange(m_refused, false); }

private:
    QString m_before;
    mutable bool m_refused = false;
};

// A push button whose caption wraps within its width, as the tall Open button needs.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        const QRect contents =
            style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        p.drawItemText(contents.adjusted(2, 0, -2, 0),
                       Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                       isEnabled(), text(), QPalette::ButtonText);
    }
};

// The one local file a drag carries, when the open rule would take it; empty otherwise.
QString draggedReadingFile(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    const QString path = urls.constFirst().toLocalFile();
    return path.endsWith(u"zvr", Qt::CaseSensitive) ? path : QString();
}

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

template <typename Button>
Button *button(QWidget *parent, const char *name, const QString &caption, const QFont &font)
{
    auto *b = new Button(caption, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setFont(font);
    setColors(b, Qt::black, kWhite);
    // No button of this form reacts to Enter.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
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

NameBox::NameBox(QWidget *parent) : QLineEdit(parent)
{
    auto *filter = new NameFilter(this);
    m_filter = filter;
    setValidator(filter);
    // An edit that the filter cut is reported once, after the box holds the filtered text.
    connect(this, &QLineEdit::textEdited, this, [this, filter] {
        if (filter->takeRefused() && m_refused)
            m_refused();
    });
    // Text set by the program is not reported.
    connect(this, &QLineEdit::textChanged, this, [filter](const QString &text) {
        filter->takeRefused();
        filter->setBefore(text);
    });
}

void NameBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (!draggedReadingFile(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void NameBox::setTextAsIs(const QString &text)
{
    setValidator(nullptr);
    setText(text);
    setValidator(m_filter);
}

int NameBox::typedCode(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const bool control = modifiers & Qt::ControlModifier;
    switch (event.key()) {
    case Qt::Key_Backspace:
        // Ctrl+Backspace types DEL and Ctrl+Enter a line feed: control codes like any other,
        // not a word deleted or a line end passed on.
        return control ? kDelete : kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? kLineFeed : kEnter;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    // Control combinations type their control code (Ctrl+C is 3, Ctrl+V is 22, Ctrl+[ is 27)
    // whatever text the platform attaches to the event.
    if (control) {
        const int key = event.key();
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore)
            return key - Qt::Key_BracketLeft + 27;
        return 0;
    }
    const QString text = event.text();
    // Several characters at once (a surrogate pair, a composed sequence) are inserted as text
    // and filtered as such.
    return text.size() == 1 ? text.at(0).unicode() : 0;
}

void NameBox::keyPressEvent(QKeyEvent *event)
{
    const int code = typedCode(*event);
    if (code == 0 || !m_keyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int result = m_keyPress(code);
    if (result == 0) {
        event->accept();
        return;
    }
    if (result == code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(QChar(result)),
                      event->isAutoRepeat(), quint16(event->count()));
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

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

    auto *frame3 = new QGroupBox(QStringLiteral("Your Details"), frame1);
    frame3->setObjectName(QStringLiteral("Frame3"));
    frame3->setFont(verdana(9, true));
    setColors(frame3, kWhite);

    const QFont captionFont = verdana(8.25, true, true);
    for (const auto &[name, text] :
         {std::pair{"lblNameCaption", "Name"}, std::pair{"lblDateCaption", "Date"},
          std::pair{"lblMonthCaption", "Month"}, std::pair{"lblYearCaption", "Year"},
          std::pair{"lblDateOfBirthCaption", "Date Of Birth"}}) {
        label(frame3, name, QLatin1StringView(text), captionFont, kWhite)->adjustSize();
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

    const QFont buttonFont = verdana(9, true);
    m_cmdOpen = button<WrappingButton>(
        frame1, "cmdOpen", QStringLiteral("Click Here To Open Previously Saved Zorvane Reading"),
        buttonFont);
    m_cmdProceed = button<QPushButton>(frame1, "cmdProceed",
                                       QStringLiteral("Get My &Zorvane Reading"), buttonFont);
    m_cmdExit =
        button<QPushButton>(frame5, "cmdExit", QStringLiteral("&Exit"), verdana(8.25, true));

    // The boxes have no text of their own, and the lists' captions alone ("Date") say too little
    // to name them by. The captions still label their boxes for readers that follow relations.
    const struct
    {
        QWidget *box;
        const char *caption;
        const char *name;
    } labelled[] = {
        {m_txtName, "lblNameCaption", "Name"},
        {m_cboDate, "lblDateCaption", "Day of birth"},
        {m_cboMonth, "lblMonthCaption", "Month of birth"},
        {m_cboYear, "lblYearCaption", "Year of birth"},
    };
    for (const auto &l : labelled) {
        l.box->setAccessibleName(QLatin1StringView(l.name));
        frame3->findChild<QLabel *>(QLatin1StringView(l.caption))->setBuddy(l.box);
    }

    // Lists keep the height their font gives them; only their width is designed.
    for (QComboBox *c : {m_cboDate, m_cboMonth, m_cboYear})
        c->resize(c->width(), c->sizeHint().height());

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

bool EntryForm::ValidateBirthData()
{
    const Validation v = Zorvane::ValidateBirthData(
        m_txtName->text(), qint16(m_cboMonth->currentIndex()), qint16(m_cboDate->currentIndex()));
    if (v == Validation::Ok)
        return true;
    MessageBox::information(this, validationMessage(v));
    if (v == Validation::EmptyName)
        m_txtName->setFocus();
    return false;
}

void EntryForm::cmdProceed_Click()
{
    if (!ValidateBirthData())
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

void EntryForm::OpenReadingFile(const QString &path)
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
        this, [this, path] { OpenReadingFile(path); }, Qt::QueuedConnection);
}

void EntryForm::closeEvent(QCloseEvent *event)
{
    ShutDown();
    event->accept();
}

} // namespace Zorvane

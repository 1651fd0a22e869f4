#include "ReportWindow.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "PrintDialog.h"
#include "ReadingFile.h"
#include "Twips.h"
#include "WebLinks.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>

#include <optional>

namespace Zorvane {

namespace {

const QColor kReportBackground(245, 237, 218);
const QColor kLabelColour(0, 0, 0);
const QColor kValueColour(128, 0, 128);

// Two centimetres around the printed text. The layout scales frame margins from logical pixels to
// the printer's resolution itself.
constexpr double kPrintMarginTwips = 2.0 / 2.54 * 1440;

const QString kCrLf = QStringLiteral("\r\n");
const QString kBlankLine = kCrLf + kCrLf;

// A label run and the value run after it, read from the display control of that name.
struct Row
{
    const char *label;
    const char *one;
    const char *two = nullptr;
};

// After the Sephira's own name, which heads the block.
constexpr Row kSephiraRows[] = {
    {"About Your Archangel :- ", "txtOneAngelDesc", "txtTwoAngelDesc"},
    {"Sphere Sign :- ", "lblOneSphereSign", "lblTwoSphereSign"},
    {"Position In Tree Of Life :- ", "lblOnePositionInTreeOfLife", "lblTwoPositionInTreeOfLife"},
    {"Planetary Ruler :- ", "lblOnePlanetaryRuler", "lblTwoPlanetaryRuler"},
    {"Archangel :- ", "lblOneArchangel", "lblTwoArchangel"},
    {"Lucky Day :- ", "lblOneLuckyDay", "lblTwoLuckyDay"},
    {"Color  :- ", "lblOneColor", "lblTwoColor"},
    {"Wood  :- ", "lblOneWood", "lblTwoWood"},
    {"Keyword  :- ", "lblOneKeyword", "lblTwoKeyword"},
    {"Metal  :- ", "lblOneMetal", "lblTwoMetal"},
    {"Tarot Cards Associated With Sephiroths :- ", "lbSephirothSOneCardName",
     "lbSephirothSTwoCardName"},
    {"More About Card :- ", "txtOneSephriothCardDesc", "txtTwoSephriothCardDesc"},
};

// After the path's name, which heads the block.
constexpr Row kPathRows[] = {
    {"Hebrew Letter  :- ", "lblHebrewLetter"},
    {"Location :- ", "lblLocation"},
    {"Corresponding Planet :- ", "lblCorrespondingPlanet"},
    {"Yetsiratic Attribution :- ", "lblYetsiraticAttribution"},
    {"Color :- ", "lblColor"},
    {"Element :- ", "lblElement"},
    {"Tarot Cards Associated With The Paths :- ", "lblPathsCardName"},
    {"More About Card :- ", "txtAboutYourPathsCards"},
};

// Appends runs through one cursor, each in its own character format. Values are read back from
// the display's controls by name; a control that cannot be read drops its run and no other.
class Composer
{
public:
    Composer(QTextDocument *document, const QWidget *display)
        : m_cursor(document), m_display(display)
    {
        m_label.setFontWeight(QFont::Bold);
        m_label.setForeground(kLabelColour);
        m_value.setFontWeight(QFont::Normal);
        m_value.setForeground(kValueColour);
        m_cursor.movePosition(QTextCursor::End);
    }

    void plain(const QString &text) { insert(text, QTextCharFormat()); }
    void label(const QString &text) { insert(text, m_label); }
    void value(const QString &text) { insert(text, m_value); }

    void labelFromControl(const char *control, const QString &after)
    {
        if (const std::optional<QString> caption = read(control))
            label(*caption + after);
    }

    void valueFromControl(const char *control, const QString &after)
    {
        if (const std::optional<QString> text = read(control))
            value(withoutTrailingLineEnds(*text) + after);
    }

    QTextCursor cursor() const { return m_cursor; }

private:
    // The document keeps one paragraph break for each CR LF; a lone CR or LF also breaks.
    void insert(QString text, const QTextCharFormat &format)
    {
        text.replace(kCrLf, QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        m_cursor.insertText(text, format);
    }

    // A text panel whose content ends in a line break would otherwise add an empty line of its
    // own to the blank line that follows every value.
    static QString withoutTrailingLineEnds(QString text)
    {
        while (text.endsWith(u'\n') || text.endsWith(u'\r'))
            text.chop(1);
        return text;
    }

    std::optional<QString> read(const char *control) const
    {
        if (!m_display)
            return std::nullopt;
        const QObject *c = m_display->findChild<QObject *>(QLatin1StringView(control));
        if (const auto *l = qobject_cast<const QLabel *>(c))
            return l->text();
        if (const auto *p = qobject_cast<const QPlainTextEdit *>(c))
            return p->toPlainText();
        if (const auto *t = qobject_cast<const QTextEdit *>(c))
            return t->toPlainText();
        if (const auto *e = qobject_cast<const QLineEdit *>(c))
            return e->text();
        return std::nullopt;
    }

    QTextCursor m_cursor;
    const QWidget *m_display = nullptr;
    QTextCharFormat m_label;
    QTextCharFormat m_value;
};

QString reportGeneratedBy()
{
    return QStringLiteral("Report Generated By ") + kSiteAddress;
}

// A caption longer than its designed box (a distributor's long site address) grows the box
// evenly on both sides, so that it stays centred where it was designed and is never cut.
void keepCaptionWhole(QLabel *label)
{
    const int needed = label->sizeHint().width();
    if (needed <= label->width())
        return;
    const QWidget *parent = label->parentWidget();
    const int width = qMin(needed, parent->width());
    const int centre = label->geometry().center().x();
    const int left = qBound(0, centre - width / 2, parent->width() - width);
    label->setGeometry(left, label->y(), width, label->height());
}

// Prints the box's document, or its selection, laid out for the printer's page with nothing added:
// the box's own print would number the pages.
void printReport(const QTextEdit &box, QPrinter &printer, bool selectionOnly)
{
    QTextDocument doc;
    doc.setDefaultFont(box.document()->defaultFont());
    QTextCursor(&doc).insertFragment(selectionOnly ? box.textCursor().selection()
                                                   : QTextDocumentFragment(box.document()));
    doc.documentLayout()->setPaintDevice(&printer);
    QTextFrameFormat page = doc.rootFrame()->frameFormat();
    page.setMargin(twips(kPrintMarginTwips));
    doc.rootFrame()->setFrameFormat(page);
    doc.setPageSize(QSizeF(printer.width(), printer.height()));
    doc.print(&printer);
}

} // namespace

void ShowReport(QWidget *frame, const ReportSources &sources)
{
    auto *window = new ReportWindow(sources, frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->exec();
}

ReportWindow::ReportWindow(const ReportSources &sources, QWidget *parent)
    : QDialog(parent), m_birthData(sources.birthData)
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(kVersionCaption);
    setWindowIcon(AppIcon());
    setModal(true);
    setFont(verdana(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kNavy);
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(twips(7680), twips(7575));

    m_label14 = new QLabel(tr("Discuss Your Reading In The Zorvane Forum"), this);
    m_label14->setObjectName(QStringLiteral("Label14"));
    m_label1 = new QLabel(
        QStringLiteral("Click Here To Visit ") + kSiteAddress + QStringLiteral(" Now"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    for (QLabel *link : {m_label14, m_label1}) {
        link->setAlignment(Qt::AlignCenter);
        setColors(link, kWhite);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    m_rtb = new QTextEdit(this);
    m_rtb->setObjectName(QStringLiteral("RTB"));
    m_rtb->setAccessibleName(QStringLiteral("Report"));
    m_rtb->setReadOnly(true);
    m_rtb->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_rtb->setUndoRedoEnabled(false);
    m_rtb->setFont(verdana(9.75));
    // The report is black on parchment whatever the desktop's colour scheme.
    setColors(m_rtb, kLabelColour, kReportBackground);

    m_cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    m_cmdSave->setObjectName(QStringLiteral("cmdSave"));
    m_cmdSave->setAutoDefault(false);
    m_cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    m_cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    m_cmdPrint->setAutoDefault(false);

    place(this, {
                    {"Label14", 1747, 0, 4230, 195},
                    {"Label1", 1867, 180, 3990, 195},
                    {"RTB", 0, 390, 7665, 6135},
                    {"cmdSave", 5400, 6570, 1125, 345},
                    {"cmdPrint", 6540, 6570, 1125, 345},
                });
    keepCaptionWhole(m_label14);
    keepCaptionWhole(m_label1);

    connect(m_cmdSave, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
    connect(m_cmdPrint, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);

    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    Form_Load(sources);
}

ReportWindow::~ReportWindow()
{
    Form_Unload();
}

void ReportWindow::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void ReportWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The insertion point stays at the end of the report, but the reader starts at its top.
    m_rtb->verticalScrollBar()->setValue(0);
}

void ReportWindow::Form_Load(const ReportSources &sources)
{
    m_links.attach(m_rtb);
    compose(sources);
}

void ReportWindow::Form_Unload()
{
    m_links.detach();
}

void ReportWindow::compose(const ReportSources &sources)
{
    Composer c(m_rtb->document(), sources.display);
    // One edit: the document is laid out once, not after every piece.
    QTextCursor block = c.cursor();
    block.beginEditBlock();

    c.plain(reportGeneratedBy() + kBlankLine);
    c.label(QStringLiteral("Name :- "));
    c.value(sources.birthData.Name.trimmed() + kBlankLine);
    c.label(QStringLiteral("Date Of Birth :- "));
    c.value(sources.monthText + u'/' + sources.dayText + u'/' + sources.yearText + kBlankLine);

    c.label(QStringLiteral("Attributes Of Sephiroths  Associated With Your Sun Sign") + kBlankLine);
    for (const bool one : {true, false}) {
        c.labelFromControl(one ? "lblOneSphereHead" : "lblTwoSphereHead", QStringLiteral(" :- "));
        c.valueFromControl(one ? "txtOneSphereDesc" : "txtTwoSphereDesc", kBlankLine);
        for (const Row &row : kSephiraRows) {
            c.label(QLatin1StringView(row.label));
            c.valueFromControl(one ? row.one : row.two, kBlankLine);
        }
    }

    c.label(QStringLiteral("Attributes Of The Path  Associated with Your Sun Sign") + kBlankLine);
    c.labelFromControl("lblPathName", QStringLiteral(" :- "));
    c.valueFromControl("txtPathDecs", kBlankLine);
    for (const Row &row : kPathRows) {
        c.label(QLatin1StringView(row.label));
        c.valueFromControl(row.one, kBlankLine);
    }

    c.label(QStringLiteral("About Your Sun Sign And Sephiroths ") + kBlankLine);
    c.label(QStringLiteral("SunSignName :- "));
    c.valueFromControl("lblSunSignDesc", kCrLf);
    c.value(reportGeneratedBy() + kCrLf);

    block.endEditBlock();
    m_rtb->setTextCursor(c.cursor());
}

void ReportWindow::cmdSave_Click()
{
    const QString path = FileDialog::getSaveFileName(
        this, kAppTitle, QStringLiteral("Zorvane (*.zvr)"), QStringLiteral("zvr"));
    if (path.isEmpty())
        return;
    const FileResult saved = WriteReadingFile(path, m_birthData);
    if (!saved.ok)
        MessageBox::critical(this, tr("The reading could not be saved as\n%1\n\n%2")
                                       .arg(QDir::toNativeSeparators(path), saved.error));
}

void ReportWindow::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kAppTitle);
    const bool hasSelection = m_rtb->textCursor().hasSelection();
    if (!PrintDialog::exec(printer, this, hasSelection))
        return;
    // The box's selection decides what is printed, whatever range was picked in the dialog.
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    printReport(*m_rtb, printer, hasSelection);
}

void ReportWindow::Label1_Click()
{
    OpenHomePage();
}

void ReportWindow::Label14_Click()
{
    OpenHomePage();
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_label1 || watched == m_label14) &&
        event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        const auto *label = static_cast<QLabel *>(watched);
        if (release->button() == Qt::LeftButton &&
            label->rect().contains(release->position().toPoint())) {
            if (label == m_label1)
                Label1_Click();
            else
                Label14_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Zorvane

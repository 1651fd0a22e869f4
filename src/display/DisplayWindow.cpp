#include "DisplayWindow.h"

#include "Controls.h"
#include "Design.h"
#include "FocusMark.h"
#include "GroupFrame.h"
#include "QtWorkarounds.h"
#include "ReadingBinding.h"
#include "ReadingTables.h"
#include "ReadingTexts.h"
#include "TabControl.h"
#include "TreeOfLife.h"
#include "Twips.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <array>

namespace Zorvane {

namespace {

const LabelStyle kHeading{kLightBlue, 8.25, true, true};
const LabelStyle kHeadingCentred{kLightBlue, 8.25, true, true, Qt::AlignHCenter};
const LabelStyle kHeadingWrapped{kLightBlue, 8.25, true, true, Qt::AlignLeft, false};
const LabelStyle kLargeHeading{kLightBlue, 9.75, true, true};
const LabelStyle kLargeHeadingRight{kLightBlue, 9.75, true, true, Qt::AlignRight};
const LabelStyle kValueCentred{kOrange, 8.25, true, false, Qt::AlignHCenter};
const LabelStyle kValue{kOrange, 8.25, true};
const LabelStyle kCardName{kYellow, 9.75, true};
const LabelStyle kSphereHead{kCyan, 9.75, true, true};
const LabelStyle kOrangeTitle{kOrange, 9.75, true, true};
const LabelStyle kOrangeTitleCentred{kOrange, 9.75, true, true, Qt::AlignHCenter};
const LabelStyle kGreenTitleCentred{kGreen, 9.75, true, true, Qt::AlignHCenter};
const LabelStyle kPortrait{kPaleYellow, 8.25, true, false, Qt::AlignHCenter, false};
const LabelStyle kSphereName{kMagenta, 9, true, true, Qt::AlignHCenter};
const LabelStyle kHelpPrompt{kMagenta, 9.75, true, false, Qt::AlignHCenter};

// The kinds of control the reading binds, named short for the tables below.
using Kind = ControlKind;

// One control of a page. Auto-size labels give only their left and top; the others their box.
// A text panel has no caption of its own: its caption says what it shows, for screen readers.
struct Control
{
    Placement at;
    Kind kind;
    const LabelStyle *style = nullptr;
    const char *caption = "";
    QPointer<QLabel> *keep = nullptr; // where the window keeps the label it handles itself
};

constexpr double kCardWidth = 1740;
constexpr double kCardHeight = 2280;

QPlainTextEdit *newTextPanel(QWidget *parent, const QString &name)
{
    auto *panel = new FocusMarked<QPlainTextEdit>(parent);
    panel->setObjectName(name);
    panel->setReadOnly(true);
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    panel->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    panel->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Wrapped lines can still leave the hidden horizontal bar a few pixels of range, enough for
    // a tilted wheel or a selection to push the left margin out of sight.
    QScrollBar *sideways = panel->horizontalScrollBar();
    QObject::connect(sideways, &QScrollBar::rangeChanged, sideways, [sideways](int min, int max) {
        if (min != 0 || max != 0)
            sideways->setRange(0, 0);
    });
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setFont(verdana(8.25, true));
    panel->document()->setDocumentMargin(2);
    panel->setAttribute(Qt::WA_NoMousePropagation);
    keepShapedText(panel);
    // The desktop's colours for the scroll bar; the panel's own for text, page and border.
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Text, kDarkRed);
    pal.setColor(QPalette::Base, kWhite);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    return panel;
}

QLabel *newCardPicture(QWidget *parent, const QString &name)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setAttribute(Qt::WA_NoMousePropagation);
    setColors(box, Qt::black, QApplication::palette().color(QPalette::Base));
    return box;
}

template <std::size_t N> void build(QWidget *page, const Control (&controls)[N])
{
    QList<QLabel *> pictures;
    for (const Control &c : controls) {
        const QString name = QLatin1StringView(c.at.name);
        switch (c.kind) {
        case Kind::Caption: {
            QLabel *label = newLabel(page, name, *c.style, QString::fromUtf8(c.caption));
            place(label, c.at);
            if (c.keep)
                *c.keep = label;
            break;
        }
        case Kind::TextPanel: {
            QPlainTextEdit *panel = newTextPanel(page, name);
            panel->setAccessibleName(QString::fromUtf8(c.caption));
            place(panel, c.at);
            takeSizeNow(panel);
            break;
        }
        case Kind::CardPicture: {
            QLabel *box = newCardPicture(page, name);
            place(box, c.at);
            // Every box starts with Justice, the second of the path cards.
            setCardPicture(box, ImageList::PathsCard, 2);
            pictures.append(box);
            break;
        }
        }
    }
    // A long value beside a card (a colour such as "Gold or Yellow") reaches into the picture's
    // place; the picture lies above it, as a picture box lies above labels, and is never hidden.
    for (QLabel *picture : pictures)
        picture->raise();
}

} // namespace

DisplayWindow::DisplayWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Zorvane v1.0"));
    setFixedSize(twips(13995), twips(8415));
    setBackground(this, kNavy);
    setFont(verdana(8.25));

    buildTreeFrame();
    buildTabs();
    // A control renamed in the layout but not in the reading's binding would silently lose its
    // value.
    if (const QStringList missing = missingReadingControls(*this); !missing.isEmpty())
        qFatal("The display lacks reading controls: %s", qPrintable(missing.join(u", ")));
    // The diagram is built first but is reached last, after the text panels.
    QWidget *lastStop = nullptr;
    for (QWidget *w = m_tree->nextInFocusChain(); w != m_tree; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            lastStop = w;
    }
    if (lastStop)
        setTabOrder(lastStop, m_tree);
    Form_Load();
}

void DisplayWindow::buildTreeFrame()
{
    m_treeFrame = new GroupFrame(QStringLiteral("Kabbalah Tree Of Life"), this);
    m_treeFrame->setObjectName(QStringLiteral("Frame1"));
    m_treeFrame->setFont(verdana(8.25, true));
    setColors(m_treeFrame, kYellow, kNavy);
    m_treeFrame->setGeometry(twipsRect(0, -30, 5415, 8415));

    m_tree = new TreeOfLife(m_treeFrame);
    m_tree->setGeometry(twipsRect(60, 480, 5295, 7455));
    connect(m_tree, &TreeOfLife::sphereLabelMouseMove, this, &DisplayWindow::lblClick_MouseMove);
    connect(m_tree, &TreeOfLife::backgroundMouseMove, this, &DisplayWindow::Frame2_MouseMove);
    connect(m_tree, &TreeOfLife::sphereFocused, this, &DisplayWindow::ShowSphereInfo);

    // The help that pointing at a sphere shows, for those who cannot point.
    for (const SphereRow &sphere : SphereTable)
        m_tree->sphereLabel(sphere.index)->setAccessibleDescription(sphereDescription(sphere));
}

void DisplayWindow::buildTabs()
{
    m_tabs = new TabControl(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(twipsRect(5430, 0, 8535, 8415));
    m_tabs->setTabHeight(twips(600));
    connect(m_tabs, &TabControl::mousePressed, this, &DisplayWindow::SSTab1_MouseDown);

    m_picSplit = new QWidget;
    m_picSplit->setObjectName(QStringLiteral("picSplit"));
    m_picSplitTwo = new QWidget;
    m_picSplitTwo->setObjectName(QStringLiteral("picSplitTwo"));
    m_picSplitThree = new QWidget;
    m_picSplitThree->setObjectName(QStringLiteral("picSplitThree"));
    const std::array pages{m_picSplit, m_picSplitTwo, m_picSplitThree};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        setBackground(pages[i], kNavy);
        m_tabs->addTab(pages[i], QLatin1StringView(kBlockCaptions[i].caption));
    }
    place(m_tabs, {
                      {"picSplit", 30, 600, 8475, 7770},
                      {"picSplitTwo", 30, 600, 8475, 7770},
                      {"picSplitThree", 30, 600, 8475, 7755},
                  });

    buildSephirothPage(m_picSplit);
    buildPathPage(m_picSplitTwo);
    buildSunSignPage(m_picSplitThree);

    for (QWidget *surface :
         {m_picSplit, m_picSplitTwo, static_cast<QWidget *>(m_lblSphereDesc.data()),
          static_cast<QWidget *>(m_lblSunSignDesc.data())}) {
        surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }
}

namespace {

// The Sephiroth page: both Sephiroth, each with its card, attributes, sphere and archangel.
const Control kSephirothPage[] = {
    // Sephira One
    {{"Label38", 120, 0},
     Kind::Caption,
     &kHeadingCentred,
     "Tarot Cards Associated With Sephiroths"},
    {{"lbSephirothSOneCardName", 4080, 0}, Kind::Caption, &kCardName, "lblPathsCardName"},
    {{"txtOneSephriothCardDesc", 120, 260, 5775, 735},
     Kind::TextPanel,
     nullptr,
     "Forecast of the first Sephira's card"},
    {{"PicOneSephirothsCard", 6600, 480, kCardWidth, kCardHeight}, Kind::CardPicture},
    {{"Label1", 540, 1000}, Kind::Caption, &kHeading, "Sphere Sign"},
    {{"lblOneSphereSign", 450, 1242}, Kind::Caption, &kValueCentred, "lblSphereSign"},
    {{"Label2", 2760, 1000}, Kind::Caption, &kHeading, "Position In Tree Of Life"},
    {{"lblOnePositionInTreeOfLife", 2760, 1242},
     Kind::Caption,
     &kValueCentred,
     "lblPositionInTreeOfLife"},
    {{"Label7", 5400, 1000}, Kind::Caption, &kHeading, "Color "},
    {{"lblOneColor", 5280, 1242}, Kind::Caption, &kValueCentred, "lblColor"},
    {{"Label5", 630, 1484}, Kind::Caption, &kHeading, "Archangel"},
    {{"lblOneArchangel", 510, 1726}, Kind::Caption, &kValueCentred, "lblArchangel"},
    {{"Label6", 3360, 1484}, Kind::Caption, &kHeading, "Lucky Day"},
    {{"lblOneLuckyDay", 3360, 1726}, Kind::Caption, &kValueCentred, "lblLuckyDay"},
    {{"Label8", 855, 1968}, Kind::Caption, &kHeading, "Wood"},
    {{"lblOneWood", 735, 2210}, Kind::Caption, &kValueCentred, "lblWood"},
    {{"Label9", 3600, 1968}, Kind::Caption, &kHeading, "Metal"},
    {{"lblOneMetal", 3480, 2210}, Kind::Caption, &kValueCentred, "lblMetal"},
    {{"Label4", 375, 2452}, Kind::Caption, &kHeading, "Planetary Ruler"},
    {{"lblOnePlanetaryRuler", 285, 2700}, Kind::Caption, &kValueCentred, "lblPlanetaryRuler"},
    {{"Label3", 3480, 2452}, Kind::Caption, &kHeading, "Keyword"},
    {{"lblOneKeyword", 2160, 2700},
     Kind::Caption,
     &kValueCentred,
     "Splendour, Truthfulness, Communication"},
    {{"lblOneSphereHead", 2400, 2880}, Kind::Caption, &kSphereHead, "SphereOne"},
    {{"Label51", 5955, 2880}, Kind::Caption, &kLargeHeadingRight, "About Your Archangel"},
    {{"txtOneSphereDesc", 120, 3120, 5775, 735},
     Kind::TextPanel,
     nullptr,
     "Description of the first Sephira"},
    {{"txtOneAngelDesc", 6000, 3120, 2295, 735},
     Kind::TextPanel,
     nullptr,
     "About the first Sephira's archangel"},
    // Sephira Two
    {{"Label39", 120, 3960},
     Kind::Caption,
     &kHeadingCentred,
     "Tarot Cards Associated With The Sephiroths"},
    {{"lbSephirothSTwoCardName", 4560, 3960}, Kind::Caption, &kCardName, "lblPathsCardName"},
    {{"txtTwoSephriothCardDesc", 120, 4200, 5775, 735},
     Kind::TextPanel,
     nullptr,
     "Forecast of the second Sephira's card"},
    {{"PicTwoSephirothsCard", 6600, 4320, kCardWidth, kCardHeight}, Kind::CardPicture},
    {{"Label23", 540, 4960}, Kind::Caption, &kHeading, "Sphere Sign"},
    {{"lblTwoSphereSign", 450, 5182}, Kind::Caption, &kValueCentred, "lblSphereSign"},
    {{"Label24", 2880, 4960}, Kind::Caption, &kHeading, "Position In Tree Of Life"},
    {{"lblTwoPositionInTreeOfLife", 2880, 5182},
     Kind::Caption,
     &kValueCentred,
     "lblPositionInTreeOfLife"},
    {{"Label29", 5640, 4960}, Kind::Caption, &kHeading, "Color "},
    {{"lblTwoColor", 5520, 5182}, Kind::Caption, &kValueCentred, "lblColor"},
    {{"Label27", 570, 5404}, Kind::Caption, &kHeading, "Archangel"},
    {{"lblTwoArchangel", 450, 5626}, Kind::Caption, &kValueCentred, "lblArchangel"},
    {{"Label28", 3510, 5404}, Kind::Caption, &kHeading, "Lucky Day"},
    {{"lblTwoLuckyDay", 3420, 5626}, Kind::Caption, &kValueCentred, "lblLuckyDay"},
    {{"Label30", 795, 5848}, Kind::Caption, &kHeading, "Wood"},
    {{"lblTwoWood", 675, 6070}, Kind::Caption, &kValueCentred, "lblWood"},
    {{"Label31", 3750, 5848}, Kind::Caption, &kHeading, "Metal"},
    {{"lblTwoMetal", 3630, 6070}, Kind::Caption, &kValueCentred, "lblMetal"},
    {{"Label26", 315, 6292}, Kind::Caption, &kHeading, "Planetary Ruler"},
    {{"lblTwoPlanetaryRuler", 225, 6520}, Kind::Caption, &kValueCentred, "lblPlanetaryRuler"},
    {{"Label25", 3585, 6292}, Kind::Caption, &kHeading, "Keyword"},
    {{"lblTwoKeyword", 2160, 6520},
     Kind::Caption,
     &kValueCentred,
     "Splendour, Truthfulness, Communication"},
    {{"lblTwoSphereHead", 2407, 6720}, Kind::Caption, &kSphereHead, "SphereTwo"},
    {{"Label50", 5955, 6720}, Kind::Caption, &kLargeHeading, "About Your Archangel"},
    {{"txtTwoSphereDesc", 120, 6960, 5775, 735},
     Kind::TextPanel,
     nullptr,
     "Description of the second Sephira"},
    {{"txtTwoAngelDesc", 6000, 6960, 2295, 735},
     Kind::TextPanel,
     nullptr,
     "About the second Sephira's archangel"},
};

} // namespace

void DisplayWindow::buildSephirothPage(QWidget *page)
{
    build(page, kSephirothPage);

    // The white rule between the two halves; pointer movement over it is movement over the page.
    auto *line13 = new QWidget(page);
    line13->setObjectName(QStringLiteral("Line13"));
    setBackground(line13, kWhite);
    line13->setAttribute(Qt::WA_TransparentForMouseEvents);
    line13->setGeometry(twips(0), twips(3885), twips(8400), 1);
}

void DisplayWindow::buildPathPage(QWidget *page)
{
    const Control controls[] = {
        {{"lblPathName", 1477, 240}, Kind::Caption, &kOrangeTitle, "lblPathName"},
        {{"txtPathDecs", 120, 480, 6375, 2295},
         Kind::TextPanel,
         nullptr,
         "Description of the path"},
        {{"picPathsCard", 6600, 480, kCardWidth, kCardHeight}, Kind::CardPicture},
        {{"Label32", 120, 2880, 2355, 435},
         Kind::Caption,
         &kHeadingWrapped,
         "Tarot Cards Associated With The Path"},
        {{"lblPathsCardName", 2640, 2977}, Kind::Caption, &kCardName, "lblPathsCardName"},
        {{"txtAboutYourPathsCards", 2640, 3360, 3855, 1335},
         Kind::TextPanel,
         nullptr,
         "Forecast of the path's card"},
        {{"Label19", 120, 3720}, Kind::Caption, &kLargeHeading, "More About Tarot Card"},
        {{"Label41", 120, 4800}, Kind::Caption, &kHeading, "Hebrew Letter"},
        {{"lblHebrewLetter", 2640, 4800},
         Kind::Caption,
         &kValue,
         "Zain, which means sword or the male sex organ"},
        {{"Label42", 120, 5280}, Kind::Caption, &kHeading, "Location"},
        {{"lblLocation", 2640, 5280}, Kind::Caption, &kValue, "lblLocation"},
        {{"Label46", 120, 5760}, Kind::Caption, &kHeading, "Corresponding Planet"},
        {{"lblCorrespondingPlanet", 2640, 5760}, Kind::Caption, &kValue, "lblCorrespondingPlanet"},
        {{"Label45", 120, 6240}, Kind::Caption, &kHeading, "Yetsiratic Attribution"},
        {{"lblYetsiraticAttribution", 2640, 6240},
         Kind::Caption,
         &kValue,
         "lblYetsiraticAttribution"},
        {{"Label47", 120, 6720}, Kind::Caption, &kHeading, "Color"},
        {{"lblColor", 2640, 6720}, Kind::Caption, &kValue, "lblColor"},
        {{"Label44", 120, 7200}, Kind::Caption, &kHeading, "Element"},
        {{"lblElement", 2640, 7200}, Kind::Caption, &kValue, "lblElement"},
    };
    build(page, controls);
}

void DisplayWindow::buildSunSignPage(QWidget *page)
{
    const Control controls[] = {
        {{"lblSunSignName", 3360, 120}, Kind::Caption, &kOrangeTitleCentred, "lblSunSignName"},
        {{"lblSunSignDesc", 120, 480, 8175, 2775},
         Kind::Caption,
         &kPortrait,
         "",
         &m_lblSunSignDesc},
        {{"Label34", 2400, 3000},
         Kind::Caption,
         &kOrangeTitle,
         "Path Associated With Your Sun Sign"},
        {{"lblLiesPathName", 3600, 3240}, Kind::Caption, &kGreenTitleCentred, "Path of Samekh"},
        {{"lblSphereName", 3960, 3600}, Kind::Caption, &kSphereName, "", &m_lblSphereName},
        {{"lblSphereDesc", 120, 3960, 8175, 2655}, Kind::Caption, &kPortrait, "", &m_lblSphereDesc},
        {{"Label33", 480, 6840},
         Kind::Caption,
         &kHelpPrompt,
         "Move Your Mouse Over The Sephiroths To Know More About Sephiroths"},
    };
    build(page, controls);
    setCaption(m_lblSunSignDesc, placeholderPortrait());
}

void DisplayWindow::Form_Load()
{
    const TreeOfLife::Hint hint = m_tree->hint();
    place(hint.image, {"ImgMoveMouseButton", 240, 5160});
    place(hint.caption, {"lblMoveMouseButton", 0, 5640});
    m_tabs->setCurrentIndex(0);
}

void DisplayWindow::ShowSphereInfo(qint16 index)
{
    const TreeOfLife::Hint hint = m_tree->hint();
    hint.image->hide();
    hint.caption->hide();
    if (index < 0 || index >= kSphereCount)
        return;
    const SphereRow &sphere = SphereTable[std::size_t(index)];
    setCaption(m_lblSphereDesc, sphereDescription(sphere));
    setCaption(m_lblSphereName, QLatin1StringView(sphere.name));
}

void DisplayWindow::ClearSphereInfo()
{
    setCaption(m_lblSphereName, QString());
    setCaption(m_lblSphereDesc, QString());
}

void DisplayWindow::lblClick_MouseMove(qint16 index)
{
    ShowSphereInfo(index);
}

void DisplayWindow::Frame2_MouseMove()
{
    ClearSphereInfo();
}

void DisplayWindow::picSplit_MouseMove()
{
    ClearSphereInfo();
}

void DisplayWindow::picSplitTwo_MouseMove()
{
    ClearSphereInfo();
}

void DisplayWindow::lblSphereDesc_MouseMove()
{
    ClearSphereInfo();
}

void DisplayWindow::lblSunSignDesc_MouseMove()
{
    ClearSphereInfo();
}

void DisplayWindow::SSTab1_MouseDown()
{
    ClearSphereInfo();
}

bool DisplayWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    if (watched == m_picSplit)
        picSplit_MouseMove();
    else if (watched == m_picSplitTwo)
        picSplitTwo_MouseMove();
    else if (watched == m_lblSphereDesc)
        lblSphereDesc_MouseMove();
    else if (watched == m_lblSunSignDesc)
        lblSunSignDesc_MouseMove();
    else
        return QWidget::eventFilter(watched, event);
    return true;
}

} // namespace Zorvane

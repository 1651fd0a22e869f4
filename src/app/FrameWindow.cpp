#include "FrameWindow.h"

#include "AboutBox.h"
#include "AppIcon.h"
#include "AppInfo.h"
#include "ClickableLabel.h"
#include "Design.h"
#include "DisplayWindow.h"
#include "Menus.h"
#include "ShutDown.h"
#include "SkyNote.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Zorvane {

namespace {

constexpr double kBannerStripHeight = 615;
constexpr double kNameStripHeight = 360;
constexpr double kButtonBarHeight = 855;
constexpr double kButtonTop = 240;
constexpr double kButtonHeight = 375;

QWidget *strip(double heightTwips, const QColor &background, QWidget *parent)
{
    auto *w = new QWidget(parent);
    w->setFixedHeight(twips(heightTwips));
    setColors(w, kWhite, background);
    return w;
}

QPushButton *barButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    styleButton(b, name, verdana(8.25, true));
    return b;
}

int centredTop(const QWidget *child, const QWidget *strip)
{
    return (strip->height() - child->height()) / 2;
}

} // namespace

FrameLefts frameLayout(double screenWidth, double bannerWidth, double nameWidth,
                       double displayWidth)
{
    FrameLefts l;
    l.banner = (screenWidth - bannerWidth) / 2;
    l.name = (screenWidth - nameWidth) / 2;
    l.exit = screenWidth - (kMdiExitWidth + 20);
    l.back = screenWidth - (kBackWidth + 1400);
    l.display = (screenWidth - displayWidth) / 2;
    l.print = screenWidth - (kPrintWidth + 2700);
    return l;
}

FrameWindow::FrameWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMdi"));
    setWindowTitle(kVersionCaption);
    setWindowIcon(appIcon());

    auto *central = new QWidget(this);
    setColors(central, kWhite, kNavy);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    QWidget *bannerStrip = strip(kBannerStripHeight, kNavy, central);
    m_lblQuillmereBanner = new ClickableLabel(communityBannerText(), bannerStrip);
    m_lblQuillmereBanner->setObjectName(QStringLiteral("lblQuillmereBanner"));
    m_lblQuillmereBanner->setFont(verdana(9.75, true, true));
    setColors(m_lblQuillmereBanner, kWhite);
    m_lblQuillmereBanner->adjustSize();
    connect(m_lblQuillmereBanner, &ClickableLabel::clicked, this,
            &FrameWindow::lblQuillmereBanner_Click);

    QWidget *nameStrip = strip(kNameStripHeight, kLightGreen, central);
    m_lblSoftwareName = new QLabel(QStringLiteral("Zorvane"), nameStrip);
    m_lblSoftwareName->setObjectName(QStringLiteral("lblSoftwareName"));
    m_lblSoftwareName->setFont(verdana(14.25, true));
    setColors(m_lblSoftwareName, kDarkRed);
    m_lblSoftwareName->adjustSize();

    // The display is larger than some laptop screens; it scrolls there rather than being cut.
    m_client = new QScrollArea(central);
    m_client->setFrameShape(QFrame::NoFrame);
    m_client->setAccessibleName(QStringLiteral("Reading"));
    // It would be a Tab stop that shows no focus; the display's own controls take the keys.
    m_client->setFocusPolicy(Qt::NoFocus);
    m_client->setWidgetResizable(true);
    setColors(m_client->viewport(), kWhite, kNavy);
    m_displayArea = new QWidget;
    setColors(m_displayArea, kWhite, kNavy);
    m_client->setWidget(m_displayArea);

    QWidget *buttonBar = strip(kButtonBarHeight, kNavy, central);
    m_cmdPrint = barButton("cmdPrint", QStringLiteral("&Print"), buttonBar);
    m_cmdBack = barButton("cmdBack", QStringLiteral("&Back"), buttonBar);
    m_cmdMdiExit = barButton("cmdMdiExit", QStringLiteral("&Exit"), buttonBar);
    connect(m_cmdPrint, &QPushButton::clicked, this, &FrameWindow::cmdPrint_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &FrameWindow::cmdBack_Click);
    connect(m_cmdMdiExit, &QPushButton::clicked, this, &FrameWindow::cmdMdiExit_Click);
    // Left of the buttons, the bar is free and always in view, whatever the screen's height.
    m_skyNote = new SkyNote(buttonBar);

    column->addWidget(bannerStrip);
    column->addWidget(nameStrip);
    column->addWidget(m_client, 1);
    column->addWidget(buttonBar);
    setCentralWidget(central);

    buildMenus();
    MDIForm_Load();
    // The banner link is reached after Exit, as on the entry form, so that Shift+Tab from Print
    // still goes back into the display; the frame opens on Print.
    setTabOrder(m_cmdMdiExit, m_lblQuillmereBanner);
    m_cmdPrint->setFocus();
}

FrameWindow::~FrameWindow() = default;

DisplayWindow *FrameWindow::display() const
{
    return m_display;
}

void FrameWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(
        menuItem(file, "mnuPrint", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P)),
        &QAction::triggered, this, &FrameWindow::cmdPrint_Click);
    connect(menuItem(file, "mnuBack", QStringLiteral("&Back")), &QAction::triggered, this,
            &FrameWindow::cmdBack_Click);
    connect(menuItem(file, "mnuExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &FrameWindow::cmdMdiExit_Click);

    addHelpMenu(this, "mnuSep1", "mnuSep2");
}

void FrameWindow::MDIForm_Load()
{
    m_display = new DisplayWindow(m_displayArea);

    // Laid out once against the screen, not the frame: restoring the frame keeps these places.
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const double screenWidth = toTwips(s ? s->geometry().width() : 0);
    const FrameLefts lefts =
        frameLayout(screenWidth, toTwips(m_lblQuillmereBanner->width()),
                    toTwips(m_lblSoftwareName->width()), toTwips(m_display->width()));

    const QWidget *bannerStrip = m_lblQuillmereBanner->parentWidget();
    m_lblQuillmereBanner->move(twips(lefts.banner), centredTop(m_lblQuillmereBanner, bannerStrip));
    const QWidget *nameStrip = m_lblSoftwareName->parentWidget();
    m_lblSoftwareName->move(twips(lefts.name), centredTop(m_lblSoftwareName, nameStrip));
    place(m_cmdMdiExit, {"cmdMdiExit", lefts.exit, kButtonTop, kMdiExitWidth, kButtonHeight});
    place(m_cmdBack, {"cmdBack", lefts.back, kButtonTop, kBackWidth, kButtonHeight});
    // On a screen narrower than the display it starts at the left edge, so that scrolling
    // reaches every pixel of it.
    m_display->move(qMax(0, twips(lefts.display)), 0);
    m_displayArea->setMinimumSize(m_display->x() + m_display->width(), m_display->height());
    place(m_cmdPrint, {"cmdPrint", lefts.print, kButtonTop, kPrintWidth, kButtonHeight});
    constexpr double kNoteMargin = 120;
    place(m_skyNote,
          {"skyNote", kNoteMargin, 45, lefts.print - 2 * kNoteMargin, kButtonBarHeight - 90});

    // Restored from maximized, the frame still covers the screen: the buttons stand at the
    // screen's right edge and would be cut off in a smaller frame.
    fillAvailableArea(this, s);
}

DisplayWindow *FrameWindow::reloadDisplay()
{
    const QPoint at = m_display ? m_display->pos() : QPoint();
    // The frame owns its display: the one it replaces is closed, then deleted by the frame.
    if (m_display) {
        m_display->close();
        m_display->deleteLater();
    }
    m_display = new DisplayWindow(m_displayArea);
    m_display->move(at);
    m_display->show();
    return m_display;
}

void FrameWindow::cmdPrint_Click()
{
    emit printRequested();
}

void FrameWindow::cmdBack_Click()
{
    m_goingBack = true;
    close();
    emit backRequested();
}

void FrameWindow::cmdMdiExit_Click()
{
    close();
}

void FrameWindow::lblQuillmereBanner_Click()
{
    OpenHomePage();
}

void FrameWindow::closeEvent(QCloseEvent *event)
{
    if (!m_goingBack)
        ShutDown();
    if (m_display)
        m_display->close();
    event->accept();
    emit frameClosed();
}

} // namespace Zorvane

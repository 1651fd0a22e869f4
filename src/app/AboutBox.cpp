#include "AboutBox.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "ClickableLabel.h"
#include "Design.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace Zorvane {

namespace {

constexpr double kClientWidth = 6060;
constexpr double kClientHeight = 4170;

const QString kDescription = QStringLiteral(
    "It is believed that the master key to the tarot cards can be found in the ancient form of "
    "Jewish mysticism - the Kabbalah. Zorvane is a zodiac sign based software that associates a "
    "person's sun sign with the Kabbalah Tree of Life and also with the corresponding Tarot "
    "cards. It is with the help of this software that you get to know yourself better.");

} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kVersionCaption);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    centreOnScreen();
    setBackground(this, kNavy);

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setAccessibleName(QStringLiteral("Zorvane icon"));
    m_picIcon->setScaledContents(true);
    m_picIcon->setPixmap(appIcon().pixmap(QSize(twips(510), twips(510)), devicePixelRatioF()));

    m_lblTitle = new QLabel(kVersionCaption, this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setFont(verdana(9.75, true));
    setColors(m_lblTitle, kWhite);

    m_lblDescription = new QLabel(kDescription, this);
    m_lblDescription->setObjectName(QStringLiteral("lblDescription"));
    m_lblDescription->setFont(verdana(8.25));
    m_lblDescription->setWordWrap(true);
    m_lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColors(m_lblDescription, kWhite);

    m_lblHomePage = new ClickableLabel(QStringLiteral("Click here to visit ") + kSiteAddress, this);
    m_lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    m_lblHomePage->setFont(verdana(8.25, true, true));
    setColors(m_lblHomePage, kWhite);
    m_lblHomePage->adjustSize();
    connect(m_lblHomePage, &ClickableLabel::clicked, this, &AboutBox::lblHomePage_Click);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setFont(verdana(8.25));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);

    place(this, {
                    {"picIcon", 150, 150, 510, 510},
                    {"lblTitle", 840, 285, 5070, 285},
                    {"lblDescription", 150, 840, 5745, 1650},
                    {"lblHomePage", 150, 2610},
                    {"Line1", 150, 3330, 5760, 30},
                    {"cmdOK", 4590, 3555, 1320, 405},
                });
    // The box opens on OK, so that Enter closes it; Tab then reaches the link.
    m_cmdOK->setFocus();
}

void AboutBox::cmdOK_Click()
{
    accept();
}

void AboutBox::lblHomePage_Click()
{
    OpenHomePage();
}

// On the screen, not over the window that opened it.
void AboutBox::centreOnScreen()
{
    centreWhenFramed(this, [this] {
        const QScreen *screen =
            parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect();
    });
}

void showAboutBox(QWidget *parent)
{
    auto *box = new AboutBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
}

} // namespace Zorvane

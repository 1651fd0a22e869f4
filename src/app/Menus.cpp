#include "Menus.h"

#include "AboutBox.h"
#include "WebLinks.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace Zorvane {

QAction *menuItem(QMenu *menu, const char *name, const QString &caption,
                  const QKeySequence &shortcut)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1StringView(name));
    a->setShortcut(shortcut);
    return a;
}

QAction *menuSeparator(QMenu *menu, const char *name)
{
    QAction *a = menu->addSeparator();
    a->setObjectName(QLatin1StringView(name));
    return a;
}

void addHelpMenu(QMainWindow *window, const char *firstSeparator, const char *secondSeparator)
{
    QMenu *help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(
        menuItem(help, "mnuOnline", QStringLiteral("&Online Help"), QKeySequence(Qt::Key_F1)),
        &QAction::triggered, window, [] { OpenHelpPage(); });
    QObject::connect(menuItem(help, "mnuVisit", QStringLiteral("&Visit Us Online")),
                     &QAction::triggered, window, [] { OpenHomePage(); });
    menuSeparator(help, firstSeparator);
    QObject::connect(menuItem(help, "mnuUpdate", QStringLiteral("Check for Software &Update")),
                     &QAction::triggered, window, [] { OpenDownloadPage(); });
    menuSeparator(help, secondSeparator);
    QObject::connect(menuItem(help, "mnuAbout", QStringLiteral("&About Software")),
                     &QAction::triggered, window, [window] { showAboutBox(window); });
}

} // namespace Zorvane

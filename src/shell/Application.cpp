#include "Application.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "Twips.h"

#include <QApplication>
#include <QLabel>

namespace Zorvane {

int StartUp(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zorvane"));
    QApplication::setApplicationName(QStringLiteral("zorvane"));
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setWindowIcon(AppIcon());
    installFontSubstitutes();

    // The entry form replaces this window.
    QLabel placeholder(kVersionCaption);
    placeholder.setWindowTitle(kVersionCaption);
    placeholder.resize(twips(7440), twips(5295));
    placeholder.show();
    return app.exec();
}

} // namespace Zorvane

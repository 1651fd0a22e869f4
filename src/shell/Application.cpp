#include "Application.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "EntryForm.h"
#include "FirstPaint.h"
#include "SharedPaletteStyle.h"
#include "SingleInstance.h"
#include "Twips.h"

#include <QApplication>
#include <QTimer>

#include <memory>

namespace Zorvane {

QString ReadingFileArgument(const QStringList &arguments)
{
    return arguments.size() == 2 ? arguments.at(1) : QString();
}

int StartUp(int argc, char *argv[], const EntryFormShown &onShown)
{
    QApplication app(argc, argv);
    // Before anything reads or writes the per-user settings.
    QApplication::setOrganizationName(QStringLiteral("zorvane"));
    QApplication::setApplicationName(QStringLiteral("zorvane"));
    // Held until the program ends; a second start stops here, before any window of its own.
    const SingleInstance instance(SingleInstance::userLockDir());
    if (!ProceedAsOnlyInstance(instance))
        return 0;
    // The program ends through ShutDown only: Back closes the last visible window on its way
    // to showing the entry form again.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    // Over the desktop's own style, which it creates only when first asked to draw.
    QApplication::setStyle(new SharedPaletteStyle);

    int status = 0;
    {
        const auto entryForm = std::make_unique<EntryForm>();
        // Decoding the icon loads Qt's image readers; the entry form can appear without it.
        runAfterFirstPaint(entryForm.get(), [] { QApplication::setWindowIcon(AppIcon()); });
        entryForm->show();
        if (onShown)
            onShown(*entryForm);
        // A file handed over by the file manager opens as if chosen in the open dialog.
        if (const QString path = ReadingFileArgument(QCoreApplication::arguments()); !path.isEmpty())
            QTimer::singleShot(0, entryForm.get(), [form = entryForm.get(), path] {
                form->OpenReadingFile(path);
            });
        status = QApplication::exec();
        // Windows closed on the way out are deleted before the entry form they refer to.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return status;
}

} // namespace Zorvane

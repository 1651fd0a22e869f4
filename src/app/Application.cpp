#include "Application.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "Design.h"
#include "EntryForm.h"
#include "FirstPaint.h"
#include "Navigator.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QTimer>

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

    Navigator navigator;
    EntryForm &entryForm = navigator.entryForm();
    // Decoding the icon loads Qt's image readers; the entry form can appear without it.
    runAfterFirstPaint(&entryForm, [] { QApplication::setWindowIcon(AppIcon()); });
    entryForm.show();
    if (onShown)
        onShown(navigator);
    // A file handed over by the file manager opens as if chosen in the open dialog.
    if (const QString path = ReadingFileArgument(QCoreApplication::arguments()); !path.isEmpty())
        QTimer::singleShot(0, &entryForm, [&entryForm, path] { entryForm.OpenReadingFile(path); });
    return QApplication::exec();
}

} // namespace Zorvane

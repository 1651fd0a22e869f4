#include "ShutDown.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace Zorvane {

void ShutDown()
{
    static bool running = false;
    if (running)
        return;
    running = true;

    // A window's close handling may delete other windows, so hold them by guarded pointers.
    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *w : topLevels) {
        const Qt::WindowType type = w->windowType();
        if (type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop)
            windows.append(w);
    }
    for (const QPointer<QWidget> &w : std::as_const(windows)) {
        if (w)
            w->close();
    }

    running = false;
    QCoreApplication::exit(0);
}

} // namespace Zorvane

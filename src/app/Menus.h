#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace Zorvane {

// Menu items carry their design names as objectNames, as every control does.
QAction *menuItem(QMenu *menu, const char *name, const QString &caption);
QAction *menuSeparator(QMenu *menu, const char *name);

// The Help menu that the entry form and the frame share; only the names of its two separators
// differ between them.
void addHelpMenu(QMainWindow *window, const char *firstSeparator, const char *secondSeparator);

} // namespace Zorvane

#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace Zorvane {

// Menu items carry their design names as objectNames, as every control does.
// A shortcut, when given, is the key desktop programs use for that command (Ctrl+O, Ctrl+P,
// Ctrl+Q, F1), the same under every desktop; the menu shows it.
QAction *menuItem(QMenu *menu, const char *name, const QString &caption,
                  const QKeySequence &shortcut = {});
QAction *menuSeparator(QMenu *menu, const char *name);

// The Help menu that the entry form and the frame share; only the names of its two separators
// differ between them.
void addHelpMenu(QMainWindow *window, const char *firstSeparator, const char *secondSeparator);

} // namespace Zorvane

#pragma once

#include <QRect>

#include <functional>

class QScreen;
class QWidget;

namespace Zorvane {

// Centres a top-level window, decorations included, in the area the function returns (asked
// each time, as the window's screen may change). A window manager adds its decorations only once
// the window is mapped, so until then the decorations of a window it framed earlier stand in;
// once this window is framed it is centred again by its own frame, which moves it only where the
// stand-in was wrong. Later moves, the user's included, are left alone.
void centreWhenFramed(QWidget *window, std::function<QRect()> area);

// Sizes a window that is about to be shown maximized so that, restored, its frame with the
// decorations of the windows framed so far fills the screen's available area and no more; once
// restored it is measured again and made smaller where its own frame would still reach off it.
void fillAvailableArea(QWidget *window, const QScreen *screen);

} // namespace Zorvane

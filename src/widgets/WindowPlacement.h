#pragma once

#include <QRect>

#include <functional>

class QWidget;

namespace Zorvane {

// Centres a top-level window, decorations included, in the area the function returns (asked
// each time, as the window's screen may change). A window manager adds its decorations only once
// the window is mapped, so until then the decorations of a window it framed earlier stand in;
// once this window is framed it is centred again by its own frame, which moves it only where the
// stand-in was wrong. Later moves, the user's included, are left alone.
void centreWhenFramed(QWidget *window, std::function<QRect()> area);

// A window restored from maximized keeps its frame, decorations included, inside its screen's
// available area: it is made smaller where the window manager's title bar would push its bottom
// off the screen.
void fitWhenRestored(QWidget *window);

} // namespace Zorvane

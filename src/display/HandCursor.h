#pragma once

#include <QCursor>
#include <QPixmap>

namespace Zorvane {

// The finger tip of content/cursors/hand.png; tools/cardart/make_hand.py draws it there.
inline constexpr int kHandHotSpotX = 11;
inline constexpr int kHandHotSpotY = 0;

// The 32 x 32 pointing hand, for the hint picture.
QPixmap handPixmap();
// The pointing hand as a mouse pointer, over the Tree-of-Life sphere labels.
QCursor handCursor();

} // namespace Zorvane

#pragma once

#include <QCursor>
#include <QPixmap>

namespace Zorvane {

// The finger tip of content/cursors/hand.png (twice these in hand@2x.png);
// tools/cardart/make_hand.py draws it there.
inline constexpr int kHandHotSpotX = 11;
inline constexpr int kHandHotSpotY = 0;

// The pointing hand, 32 x 32 device-independent pixels, for the hint picture: drawn at twice
// that for a device pixel ratio above 1.
QPixmap handPixmap(qreal devicePixelRatio);
QPixmap handPixmap();
// The pointing hand as a mouse pointer, over the Tree-of-Life sphere labels.
QCursor handCursor();

} // namespace Zorvane

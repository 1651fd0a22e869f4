#pragma once

#include "ReadingTables.h"

#include <QPixmap>
#include <QSize>
#include <QString>

namespace Zorvane {

// Size every card picture lays out at, whatever the screen's pixel density.
inline constexpr QSize kCardPictureSize(114, 150);

// The resource holding a card's picture: "The Aces" -> ":/content/cards/the-aces.jpg", or the
// "@2x" file of twice the pixels when scale is 2.
QString cardPictureFile(const QString &cardName, int scale = 1);

// The picture at a 1-based position of an image list, or a null pixmap where the list has no card.
// Decoded on first request and cached; GUI thread only, like every QPixmap. On a high-density
// screen (application device pixel ratio above 1) it is the @2x file with a ratio of 2.
QPixmap cardPicture(ImageList list, int position);
// The same for an explicit device pixel ratio.
QPixmap cardPicture(ImageList list, int position, qreal devicePixelRatio);

} // namespace Zorvane

#include "HandCursor.h"

#include <QGuiApplication>

namespace Zorvane {

QPixmap handPixmap(qreal devicePixelRatio)
{
    // On a screen that scales, the 64 x 64 drawing, as large as the desktop's own pointers there.
    const int scale = devicePixelRatio > 1.0 ? 2 : 1;
    QPixmap hand(scale > 1 ? QStringLiteral(":/content/cursors/hand@2x.png")
                           : QStringLiteral(":/content/cursors/hand.png"));
    hand.setDevicePixelRatio(scale);
    return hand;
}

QPixmap handPixmap()
{
    return handPixmap(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QCursor handCursor()
{
    const QPixmap hand = handPixmap();
    // The window system takes the hot spot in the picture's own pixels.
    const int scale = int(hand.devicePixelRatio());
    return QCursor(hand, kHandHotSpotX * scale, kHandHotSpotY * scale);
}

} // namespace Zorvane

#include "HandCursor.h"

namespace Zorvane {

QPixmap handPixmap()
{
    return QPixmap(QStringLiteral(":/content/cursors/hand.png"));
}

QCursor handCursor()
{
    return QCursor(handPixmap(), kHandHotSpotX, kHandHotSpotY);
}

} // namespace Zorvane

#include "AppIcon.h"

namespace Zorvane {

QIcon AppIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (const int size : {16, 32, 48, 64, 128, 256})
            i.addFile(QStringLiteral(":/content/icons/zorvane-%1.png").arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}

} // namespace Zorvane

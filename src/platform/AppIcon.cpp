#include "AppIcon.h"

namespace Zorvane {

QIcon appIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        // Window decorations and the about box want small sizes; the large ones are installed
        // for the desktop. Qt decodes every file added here, so the large ones stay out.
        for (const int size : {16, 32, 48, 64})
            i.addFile(QStringLiteral(":/content/icons/zorvane-%1.png").arg(size),
                      QSize(size, size));
        return i;
    }();
    return icon;
}

} // namespace Zorvane

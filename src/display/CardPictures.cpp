#include "CardPictures.h"

#include <QGuiApplication>
#include <QPixmapCache>

namespace Zorvane {

QString cardPictureFile(const QString &cardName, int scale)
{
    QString slug = cardName.toLower();
    slug.replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral(":/content/cards/") + slug +
           (scale > 1 ? QStringLiteral("@2x.jpg") : QStringLiteral(".jpg"));
}

QPixmap cardPicture(ImageList list, int position, qreal devicePixelRatio)
{
    const QString name = imageListCardName(list, position);
    if (name.isEmpty())
        return {};

    const int scale = devicePixelRatio > 1.0 ? 2 : 1;
    const QString file = cardPictureFile(name, scale);
    QPixmap picture;
    if (QPixmapCache::find(file, &picture))
        return picture;
    if (!picture.load(file, "JPG"))
        return {};
    // Qt reads a ratio from "@2x" in the name; set it anyway so the layout size never depends on
    // it.
    picture.setDevicePixelRatio(scale);
    QPixmapCache::insert(file, picture);
    return picture;
}

QPixmap cardPicture(ImageList list, int position)
{
    return cardPicture(list, position, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

} // namespace Zorvane

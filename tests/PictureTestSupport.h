#pragma once

#include "TreeOfLife.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPixmap>

namespace Zorvane::Testing {

// The diagram's grey, written out rather than taken from the design, so that a changed colour
// shows.
const QColor kGrey(64, 64, 64);
// The colour that marks the reading's spheres and path.
const QColor kHighlightMagenta(236, 28, 210);

inline QColor pixel(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Pictures compared pixel for pixel, whatever format each was made in.
inline QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

inline QImage rgb(const QPixmap &picture)
{
    return rgb(picture.toImage());
}

// The painted diagram alone, without the labels over it.
inline QImage paintedDiagram(TreeOfLife &tree)
{
    QList<QLabel *> shown;
    for (QLabel *l : tree.findChildren<QLabel *>()) {
        if (l->isVisibleTo(&tree)) {
            shown.append(l);
            l->hide();
        }
    }
    const QImage image = tree.grab().toImage();
    for (QLabel *l : shown)
        l->show();
    return image;
}

} // namespace Zorvane::Testing

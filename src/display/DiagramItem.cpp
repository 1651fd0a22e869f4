#include "DiagramItem.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Zorvane {

DiagramItem::DiagramItem(const QString &name, const QRectF &box, const QColor &fill,
                         const QColor &rimColor, QObject *parent)
    : QObject(parent), m_kind(Kind::Oval), m_color(fill), m_box(box), m_rim(rimColor)
{
    setObjectName(name);
}

DiagramItem::DiagramItem(const QString &name, const QLineF &line, int width, const QColor &color,
                         QObject *parent)
    : QObject(parent), m_kind(Kind::Line), m_color(color), m_line(line), m_width(width)
{
    setObjectName(name);
}

void DiagramItem::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged();
}

void DiagramItem::paint(QPainter &painter) const
{
    painter.save();
    if (m_kind == Kind::Oval) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color);
        painter.drawEllipse(m_box);
        if (m_rim.isValid()) {
            // Crisp one-pixel dots, as the rim is drawn on the pixel grid.
            painter.setRenderHint(QPainter::Antialiasing, false);
            QPen rim(m_rim, 0, Qt::DotLine);
            painter.setPen(rim);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(m_box.adjusted(0, 0, -1, -1));
        }
    } else {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::RoundCap));
        // Coordinates name pixels; a pen is centred on the pixel's middle.
        painter.drawLine(m_line.translated(0.5, 0.5));
    }
    painter.restore();
}

bool DiagramItem::contains(const QPointF &point) const
{
    if (m_kind == Kind::Oval) {
        if (m_box.isEmpty())
            return false;
        const QPointF c = m_box.center();
        const double dx = (point.x() - c.x()) / (m_box.width() / 2);
        const double dy = (point.y() - c.y()) / (m_box.height() / 2);
        return dx * dx + dy * dy <= 1.0;
    }
    // Distance from the point to the segment, against half the pen width.
    const QPointF p = point - QPointF(0.5, 0.5);
    const QPointF a = m_line.p1();
    const QPointF d = m_line.p2() - a;
    const double len2 = d.x() * d.x() + d.y() * d.y();
    double t = 0;
    if (len2 > 0)
        t = std::clamp(((p.x() - a.x()) * d.x() + (p.y() - a.y()) * d.y()) / len2, 0.0, 1.0);
    const QPointF nearest = a + t * d;
    const double dist = std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
    return dist <= m_width / 2.0;
}

} // namespace Zorvane

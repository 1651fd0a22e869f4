#pragma once

#include <QColor>
#include <QLineF>
#include <QObject>
#include <QRectF>

class QPainter;

namespace Zorvane {

// One shape or line of the Tree-of-Life drawing. The drawing is painted on one surface, so each
// item is a small object named as the design names it (ShpCircle(5), ln710, Line3) that holds
// what can change about it, its colour, and asks the surface to repaint when that changes.
class DiagramItem : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DiagramItem)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    enum class Kind
    {
        Oval, // filled with its colour
        Line, // stroked in its colour
    };

    // An oval filling box; a dotted rim draws a one-pixel dotted outline in rimColor.
    DiagramItem(const QString &name, const QRectF &box, const QColor &fill, const QColor &rimColor,
                QObject *parent);
    // A line from p1 to p2, width pixels wide.
    DiagramItem(const QString &name, const QLineF &line, int width, const QColor &color,
                QObject *parent);

    Kind kind() const { return m_kind; }
    QColor color() const { return m_color; }
    // The fill of an oval, the stroke of a line.
    void setColor(const QColor &color);

    QRectF box() const { return m_box; }
    QLineF line() const { return m_line; }
    int width() const { return m_width; }
    QColor rimColor() const { return m_rim; }

    void paint(QPainter &painter) const;
    // Whether the point (in the surface's pixels) lies on the painted item.
    bool contains(const QPointF &point) const;

signals:
    void colorChanged();

private:
    Kind m_kind;
    QColor m_color;
    QRectF m_box;
    QColor m_rim;
    QLineF m_line;
    int m_width = 0;
};

} // namespace Zorvane

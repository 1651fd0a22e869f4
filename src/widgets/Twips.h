#pragma once

#include <QRect>

#include <initializer_list>

class QWidget;

namespace Zorvane {

// Window geometry is designed in twips: 1/1440 inch, 15 twips to a logical pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr int twips(double t)
{
    const double px = t / kTwipsPerPixel;
    return int(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr double toTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// One row of a layout table. A width or height of 0 leaves that extent to the control (an
// auto-size label keeps only its left and top).
struct Placement
{
    const char *name;
    double left;
    double top;
    double width = 0;
    double height = 0;
};

// Places the named descendants of root as the table says; a name without a control stops the
// program.
void place(QWidget *root, std::initializer_list<Placement> table);
void place(QWidget *widget, const Placement &p);

} // namespace Zorvane

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

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

constexpr double toTwips(int pixels) { return pixels * kTwipsPerPixel; }

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

// Places the named descendants of root as the table says.
void place(QWidget *root, std::initializer_list<Placement> table);
void place(QWidget *widget, const Placement &p);

// The design font. Verdana is mapped to a metric-close face where it is not installed.
QFont verdana(double pointSize, bool bold = false, bool underline = false);
void installFontSubstitutes();

// Sets the colour a widget draws its text (and, when given, its background) in.
void setColors(QWidget *w, const QColor &text, const QColor &background = QColor());

inline const QColor kNavy(0, 0, 64);
inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kDarkRed(64, 0, 0);

} // namespace Zorvane

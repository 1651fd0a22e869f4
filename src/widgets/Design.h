#pragma once

#include <QColor>
#include <QFont>

class QPushButton;
class QWidget;

namespace Zorvane {

// The design font. Verdana is mapped to a metric-close face where it is not installed.
QFont verdana(double pointSize, bool bold = false, bool underline = false);
void installFontSubstitutes();

// Fills a widget's own background. The controls on it keep their faces: a page filled navy still
// holds white text panels.
void setBackground(QWidget *w, const QColor &background);

// Sets the colour a control draws its text in and, when given, its background and its face.
void setColors(QWidget *w, const QColor &text, const QColor &background = QColor());

// Names a push button and gives it the design's look: black on white in the given font. Enter
// does not press it.
void styleButton(QPushButton *button, const char *name, const QFont &font);

// The design's colours, all in one place.
inline const QColor kNavy(0, 0, 64);
inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kPaleYellow(255, 255, 128);
inline const QColor kCyan(0, 255, 255);
inline const QColor kDarkRed(64, 0, 0);
inline const QColor kOrange(255, 128, 0);
inline const QColor kMagenta(255, 0, 255);
inline const QColor kGreen(0, 255, 0);
inline const QColor kLightGreen(128, 255, 128);
inline const QColor kLightBlue(128, 128, 255);
// The Tree of Life: every sphere and path before a reading marks its own, the one colour a
// reading marks its two spheres and its path in, and the leader lines to the labels.
inline const QColor kDiagramGrey(64, 64, 64);
inline const QColor kHighlight(236, 28, 210);
inline const QColor kLeaderGreen(139, 193, 119);
// The report: its page, and the label and value runs.
inline const QColor kReportBackground(245, 237, 218);
inline const QColor kReportLabel(0, 0, 0);
inline const QColor kReportValue(128, 0, 128);

} // namespace Zorvane

#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPixmap;
class QWidget;

namespace Zorvane {

enum class ImageList;

// How a label of the display looks. Every label is transparent and aligns its text to the top.
struct LabelStyle
{
    QColor color;
    double pointSize = 8.25;
    bool bold = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool autoSize = true; // otherwise the caption wraps within a fixed box
};

// A label named for the design, with its style and initial caption. Its mouse events stay with
// it: pointer movement over a label is never movement over what lies beneath it.
QLabel *newLabel(QWidget *parent, const QString &name, const LabelStyle &style,
                 const QString &caption);

// Writes a label's caption. A label that does not wrap is auto-size: it keeps its left and top
// and takes the width and height of its caption.
void setCaption(QLabel *label, const QString &caption);

// Shows a card picture in a picture box, which takes the picture's size plus its border. A null
// picture is not assigned: the box keeps what it showed.
void setPicture(QLabel *box, const QPixmap &picture);

// Shows the card at a 1-based position of an image list in a picture box, which screen readers
// then name after that card. A position without a picture leaves the box as it was, name and all.
void setCardPicture(QLabel *box, ImageList list, int position);

} // namespace Zorvane

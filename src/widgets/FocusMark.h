#pragma once

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QWidget>

class QFocusEvent;
class QPaintEvent;

class QRect;

namespace Zorvane {

// Focus marks. Qt shows one only once Tab has moved the focus in a window, so a window opened
// by a key (Proceed, Back, a shortcut) would show none until one more Tab. From this call on,
// whenever the focus moves because of a key, its window shows marks.
void showFocusMarksAfterKeys();

// Whether w draws its focus mark now: it has the focus, and its window shows marks.
bool showsFocusMark(const QWidget *w);

// The mark: a ring two pixels wide just inside rect, navy on light ground and yellow on dark,
// so that it stands out on the white buttons and panels as on the navy windows.
void drawFocusMark(QPainter &painter, const QRect &rect, const QColor &ground);

// A scrolling text panel (QPlainTextEdit, QTextEdit) that rings its page with the mark: the
// frame around the page is one pixel, too thin to carry one.
template <typename Panel> class FocusMarked : public Panel
{
public:
    using Panel::Panel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        Panel::paintEvent(event);
        if (showsFocusMark(this)) {
            QPainter painter(this->viewport());
            drawFocusMark(painter, this->viewport()->rect(), this->palette().color(QPalette::Base));
        }
    }
    void focusInEvent(QFocusEvent *event) override
    {
        Panel::focusInEvent(event);
        this->viewport()->update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        Panel::focusOutEvent(event);
        this->viewport()->update();
    }
    // Scrolling moves the page's pixels, the ring's with them.
    void scrollContentsBy(int dx, int dy) override
    {
        Panel::scrollContentsBy(dx, dy);
        if (showsFocusMark(this))
            this->viewport()->update();
    }
};

} // namespace Zorvane

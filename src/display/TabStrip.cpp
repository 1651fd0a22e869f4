#include "TabStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

namespace Zorvane {

namespace {

// Unselected tabs stand this much lower than the selected one, which also reaches this much
// further to either side and joins the page below.
constexpr int kRaise = 2;

} // namespace

TabStrip::TabStrip(QWidget *parent) : QTabBar(parent)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
    setDrawBase(false);
    setAttribute(Qt::WA_NoMousePropagation);
}

QSize TabStrip::tabSizeHint(int index) const
{
    Q_UNUSED(index)
    const int n = count();
    return QSize(n > 0 ? width() / n : width(), height());
}

QSize TabStrip::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void TabStrip::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed();
    QTabBar::mousePressEvent(event);
    event->accept();
}

// Tabs change by clicks and by the keyboard only: a wheel turned while reading must not flip
// the page.
void TabStrip::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void TabStrip::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    const QPalette pal = palette();
    const QColor face = pal.color(QPalette::Button);
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor shadow = pal.color(QPalette::Shadow);
    const int bottom = height() - 1;

    p.fillRect(rect(), pal.color(QPalette::Window));
    // The page body's top edge, broken under the selected tab.
    p.setPen(light);
    p.drawLine(0, bottom, width() - 1, bottom);

    const auto drawTab = [&](int i) {
        const bool selected = i == currentIndex();
        QRect r = tabRect(i);
        if (selected)
            r.adjust(-kRaise, 0, kRaise, 0);
        else
            r.adjust(0, kRaise, 0, -1);
        r = r.intersected(rect().adjusted(0, 0, 0, selected ? 0 : -1));
        const int l = r.left();
        const int t = r.top();
        const int rt = r.right();
        const int b = selected ? bottom : r.bottom();

        p.fillRect(QRect(l, t, r.width(), b - t + 1), face);
        // Raised edges with clipped upper corners.
        p.setPen(light);
        p.drawLine(l, t + 2, l, b);
        p.drawLine(l + 1, t + 1, l + 1, t + 1);
        p.drawLine(l + 2, t, rt - 2, t);
        p.setPen(shadow);
        p.drawLine(rt - 1, t + 1, rt - 1, t + 1);
        p.drawLine(rt, t + 2, rt, b);
        p.setPen(dark);
        p.drawLine(rt - 1, t + 2, rt - 1, b);

        p.setPen(pal.color(QPalette::ButtonText));
        p.setFont(font());
        const QRect textRect = QRect(l, t, r.width(), b - t + 1).adjusted(4, 2, -4, -2);
        p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, tabText(i));

        if (selected && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            const QRect used =
                p.boundingRect(textRect, Qt::AlignCenter | Qt::TextWordWrap, tabText(i));
            focus.rect = used.adjusted(-2, -1, 2, 1).intersected(textRect.adjusted(-2, -1, 2, 1));
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    };

    for (int i = 0; i < count(); ++i) {
        if (i != currentIndex())
            drawTab(i);
    }
    if (currentIndex() >= 0)
        drawTab(currentIndex());
}

} // namespace Zorvane

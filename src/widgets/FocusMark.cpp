#include "FocusMark.h"

#include "Design.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace Zorvane {

namespace {

class KeyFocusWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            m_byKey = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            m_byKey = false;
            break;
        case QEvent::FocusIn:
            if (m_byKey && watched->isWidgetType()) {
                auto *w = static_cast<QWidget *>(watched);
                if (w->windowType() != Qt::Popup) {
                    w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
                    w->update();
                }
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Whether the last thing the user did was a key press rather than a click.
    bool m_byKey = false;
};

} // namespace

void showFocusMarksAfterKeys()
{
    static QPointer<KeyFocusWatch> watch;
    if (!watch && qApp) {
        watch = new KeyFocusWatch(qApp);
        qApp->installEventFilter(watch);
    }
}

bool showsFocusMark(const QWidget *w)
{
    return w && w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void drawFocusMark(QPainter &painter, const QRect &rect, const QColor &ground)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ground.lightness() > 128 ? kNavy : kYellow, 2));
    painter.setBrush(Qt::NoBrush);
    // A two-pixel pen straddles its line: one pixel in from the edge keeps it inside.
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace Zorvane

#include "GroupFrame.h"

#include <QApplication>
#include <QPainter>

namespace Zorvane {

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

} // namespace

GroupFrame::GroupFrame(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}

void GroupFrame::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    const QFontMetrics fm(font());
    const int edgeTop = fm.height() / 2;
    const QRect frame = rect().adjusted(0, edgeTop, -1, -1);
    const QPalette desktop = QApplication::palette();

    // Etched: a shadow line with a highlight line just inside and below it.
    p.setPen(desktop.color(QPalette::Dark));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setPen(desktop.color(QPalette::Light));
    p.drawLine(frame.left() + 1, frame.top() + 1, frame.right() - 2, frame.top() + 1);
    p.drawLine(frame.left() + 1, frame.top() + 1, frame.left() + 1, frame.bottom() - 2);
    p.drawLine(frame.left(), frame.bottom(), frame.right(), frame.bottom());
    p.drawLine(frame.right(), frame.top(), frame.right(), frame.bottom());

    if (title().isEmpty())
        return;
    const QRect caption(kCaptionIndent, 0, fm.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        fm.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace Zorvane

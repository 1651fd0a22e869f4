#include "WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace Zorvane {

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.drawItemText(contents.adjusted(2, 0, -2, 0),
                   Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                   isEnabled(), text(), QPalette::ButtonText);
}

} // namespace Zorvane

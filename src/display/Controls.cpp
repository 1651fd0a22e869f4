#include "Controls.h"

#include "CardPictures.h"
#include "Design.h"
#include "WrapLabel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

namespace Zorvane {

QLabel *newLabel(QWidget *parent, const QString &name, const LabelStyle &style,
                 const QString &caption)
{
    QLabel *label = style.autoSize ? new QLabel(parent) : new WrapLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdana(style.pointSize, style.bold, style.underline));
    label->setAlignment(style.alignment | Qt::AlignTop);
    label->setWordWrap(!style.autoSize);
    label->setAttribute(Qt::WA_NoMousePropagation);
    setColors(label, style.color);
    setCaption(label, caption);
    return label;
}

void setCaption(QLabel *label, const QString &caption)
{
    if (!label)
        return;
    label->setText(caption);
    if (label->wordWrap())
        return;
    const QFontMetrics fm(label->font());
    const QMargins m = label->contentsMargins();
    label->resize(fm.horizontalAdvance(caption) + m.left() + m.right(),
                  fm.height() + m.top() + m.bottom());
}

void setPicture(QLabel *box, const QPixmap &picture)
{
    if (!box || picture.isNull())
        return;
    box->setPixmap(picture);
    const QSize size = picture.deviceIndependentSize().toSize();
    const QMargins m = box->contentsMargins();
    box->resize(size.width() + m.left() + m.right(), size.height() + m.top() + m.bottom());
}

void setCardPicture(QLabel *box, ImageList list, int position)
{
    const QPixmap picture = cardPicture(list, position);
    if (!box || picture.isNull())
        return;
    setPicture(box, picture);
    box->setAccessibleName(QStringLiteral("Card picture: ") + imageListCardName(list, position));
}

} // namespace Zorvane

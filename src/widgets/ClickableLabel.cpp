#include "ClickableLabel.h"

#include "Accessibility.h"
#include "FocusMark.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Zorvane {

namespace {

// A link with its caption as its name, followed by its one action.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(ClickableLabel *label) : QAccessibleWidget(label, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<ClickableLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *linkAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(ClickableLabel::staticMetaObject.className()))
        return new LinkAccessible(static_cast<ClickableLabel *>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    installAccessibleFactoryOnce<linkAccessible>();
    setCursor(Qt::PointingHandCursor);
    // Reached by Tab as links in a browser are; a click follows it without taking the focus.
    setFocusPolicy(Qt::TabFocus);
    // Room for the focus ring around the caption.
    setContentsMargins(3, 3, 3, 3);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (plain ? event->key() : 0) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (showsFocusMark(this)) {
        QPainter painter(this);
        drawFocusMark(painter, rect(), palette().color(backgroundRole()));
    }
}

} // namespace Zorvane

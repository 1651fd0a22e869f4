#include "DateList.h"

#include "Accessibility.h"

#include "Design.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>

namespace Zorvane {

namespace {

// What Qt's own interface for a list that cannot be edited offers - the popup as its one child,
// its state and the action that opens it - with the list's accessible name as its name. Screen
// readers on Linux read a closed list's value as its text, or as the selected entry of its
// popup; it offers both.
class DateListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DateListAccessible(QWidget *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The chosen entry as read-only text, without a caret or selection of its own.
    QString text(int startOffset, int endOffset) const override
    {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

    QString text(QAccessible::Text t) const override
    {
        const bool unnamed = t == QAccessible::Name && list()->accessibleName().isEmpty();
        if (t == QAccessible::Value || unnamed)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index != 0)
            return nullptr;
        static_cast<DateList *>(list())->selectChosenEntryInPopup();
        return QAccessible::queryAccessibleInterface(list()->view());
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessibleInterface *focusChild() const override { return nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = isValid() && list()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *dateListAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(DateList::staticMetaObject.className()))
        return new DateListAccessible(static_cast<DateList *>(object));
    return nullptr;
}

} // namespace

DateList::DateList(QWidget *parent) : QComboBox(parent)
{
    installAccessibleFactoryOnce<dateListAccessible>();
}

void DateList::selectChosenEntryInPopup()
{
    if (m_popupFollows)
        return;
    m_popupFollows = true;
    const auto select = [this](int index) {
        view()->selectionModel()->select(model()->index(index, modelColumn(), rootModelIndex()),
                                         QItemSelectionModel::ClearAndSelect);
    };
    connect(this, &QComboBox::currentIndexChanged, this, select);
    select(currentIndex());
}

void DateList::showPopup()
{
    // Prepared when first opened: the open list is a window of its own, and making it at start-up
    // would delay the entry form. The style's menu-like items would draw it in the desktop's menu
    // colours.
    if (!m_listStyled) {
        m_listStyled = true;
        setItemDelegate(new QStyledItemDelegate(this));
        setColors(view(), palette().color(QPalette::Text), palette().color(QPalette::Base));
    }
    QComboBox::showPopup();
}

} // namespace Zorvane

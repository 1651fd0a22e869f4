#include "NameBox.h"

#include "BirthData.h"
#include "NameFilter.h"
#include "OpenReading.h"

#include <QKeyEvent>

namespace Zorvane {

namespace {

constexpr int kLineFeed = 10;
constexpr int kDelete = 127;

} // namespace

NameBox::NameBox(QWidget *parent) : QLineEdit(parent), m_filter(new NameFilter(this))
{
    setValidator(m_filter);
    // An edit that the filter cut is reported once, after the box holds the filtered text.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (m_filter->takeRefused() && m_refused)
            m_refused();
    });
    // Text set by the program is not reported.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter->takeRefused();
        m_filter->setBefore(text);
    });
}

void NameBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (!draggedReadingFile(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void NameBox::setTextAsIs(const QString &text)
{
    setValidator(nullptr);
    setText(text);
    setValidator(m_filter);
}

int NameBox::typedCode(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const bool control = modifiers & Qt::ControlModifier;
    switch (event.key()) {
    case Qt::Key_Backspace:
        // Ctrl+Backspace types DEL and Ctrl+Enter a line feed: control codes like any other,
        // not a word deleted or a line end passed on.
        return control ? kDelete : kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? kLineFeed : kEnter;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    // Control combinations type their control code (Ctrl+C is 3, Ctrl+V is 22, Ctrl+[ is 27)
    // whatever text the platform attaches to the event.
    if (control) {
        const int key = event.key();
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore)
            return key - Qt::Key_BracketLeft + 27;
        return 0;
    }
    const QString text = event.text();
    // Several characters at once (a surrogate pair, a composed sequence) are inserted as text
    // and filtered as such.
    return text.size() == 1 ? text.at(0).unicode() : 0;
}

void NameBox::keyPressEvent(QKeyEvent *event)
{
    const int code = typedCode(*event);
    if (code == 0 || !m_keyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int result = m_keyPress(code);
    if (result == 0) {
        event->accept();
        return;
    }
    if (result == code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(QChar(result)),
                      event->isAutoRepeat(), quint16(event->count()));
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

} // namespace Zorvane

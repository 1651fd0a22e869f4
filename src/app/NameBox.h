#pragma once

#include <QLineEdit>

#include <functional>

class QKeyEvent;

namespace Zorvane {

class NameFilter;

// The name box. The one name rule is applied on two paths, and both are needed: every typed
// character goes first through the form's key handler, which may change it or swallow it (0) and
// refuses keys that type no text at all, such as Ctrl+V, with its message; text that arrives
// without a key press of its own - pasted by Shift+Insert, the context menu or a middle click,
// dropped, or committed by an input method - never reaches that handler, so a validator applies
// the rule to it: lower case becomes capitals, anything else is dropped, and the refusal is
// reported once per edit. Text the program sets with setTextAsIs is not filtered.
class NameBox : public QLineEdit
{
public:
    explicit NameBox(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(NameBox)

    void setKeyPressHandler(std::function<int(int)> handler) { m_keyPress = std::move(handler); }
    void setRefusedHandler(std::function<void()> handler) { m_refused = std::move(handler); }
    void setTextAsIs(const QString &text);

    // The character code a key press types, as the key handler sees it; 0 for keys that type
    // nothing (arrows, Delete, Alt combinations).
    static int typedCode(const QKeyEvent &event);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A dragged reading file passes on to the form, which opens it (Qt then sends the rest of
    // the drag there); other text drops here.
    void dragEnterEvent(QDragEnterEvent *event) override;

private:
    NameFilter *m_filter = nullptr;
    std::function<int(int)> m_keyPress;
    std::function<void()> m_refused;
};

} // namespace Zorvane

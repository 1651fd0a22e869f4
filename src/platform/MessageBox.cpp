#include "MessageBox.h"

#include "AppIcon.h"
#include "AppInfo.h"

#include <QQueue>

namespace Zorvane {

namespace {

struct TestState
{
    bool on = false;
    QQueue<QMessageBox::StandardButton> answers;
    QList<MessageBox::Record> shown;
};

TestState &testState()
{
    static TestState s;
    return s;
}

} // namespace

QMessageBox::StandardButton MessageBox::show(QWidget *parent, QMessageBox::Icon icon,
                                             const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    TestState &t = testState();
    if (t.on) {
        t.shown.append({icon, kAppTitle, text, buttons});
        return t.answers.isEmpty() ? defaultButton : t.answers.dequeue();
    }
    QMessageBox box(icon, kAppTitle, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    box.setWindowIcon(AppIcon());
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton MessageBox::information(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::critical(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::askYesNo(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes);
}

void MessageBox::setTestMode(bool on)
{
    testState() = TestState{};
    testState().on = on;
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    testState().answers.enqueue(answer);
}

const QList<MessageBox::Record> &MessageBox::shown()
{
    return testState().shown;
}

void MessageBox::clearShown()
{
    testState().shown.clear();
}

} // namespace Zorvane

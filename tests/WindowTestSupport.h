#pragma once

#include "Design.h"
#include "SeamDoubles.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QStandardPaths>
#include <QTimer>

#include <functional>

namespace Zorvane::Testing {

// Once per test program: scratch settings under its own name, windows that may close without
// ending the application, and the design fonts.
inline void setUpWindowTests(const QString &testName)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("zorvane-tests"));
    QApplication::setApplicationName(testName);
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
}

// Before each test: message boxes, web links and file dialogs answer without showing anything.
inline void useTestSeams()
{
    TestMessageBox::setTestMode(true);
    TestUrlOpener::setTestMode(true);
    TestFileDialog::setTestMode(true);
}

// Counts the close events a window receives.
class CloseCounter : public QObject
{
public:
    int count = 0;
    bool refuse = false; // keeps the window open, as one with unsaved work might

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        ++count;
        event->setAccepted(!refuse);
        return refuse;
    }
};

// Runs action inside the application's event loop and returns the loop's exit status; -1 when
// the action did not end the loop.
inline int exitStatusOf(const std::function<void()> &action)
{
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        action();
        QMetaObject::invokeMethod(
            &guard, [] { QCoreApplication::exit(-1); }, Qt::QueuedConnection);
    });
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace Zorvane::Testing

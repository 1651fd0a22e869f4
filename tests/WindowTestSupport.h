#pragma once

#include "Design.h"
#include "Navigator.h"
#include "SeamDoubles.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

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

// A fresh program for each test, its entry form on screen and the seams in test mode: a test class
// derives from it after QObject, and calls startProgram() in init() and endProgram() in cleanup().
class NavigatorFixture
{
protected:
    // False when the entry form never came on screen.
    bool startProgram()
    {
        useTestSeams();
        m_app = std::make_unique<Navigator>();
        m_form = &m_app->entryForm();
        m_form->show();
        return QTest::qWaitForWindowExposed(m_form);
    }

    // Every window is gone afterwards, deferred deletions included.
    void endProgram()
    {
        m_form = nullptr;
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Picks the date in the entry form's three lists.
    void setDate(int day, int month, int year)
    {
        m_form->findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(day - 1);
        m_form->findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
        m_form->findChild<QComboBox *>(QStringLiteral("cboYear"))->setCurrentIndex(year - 1900);
    }

    // Types the name, picks the date and clicks Proceed, as a user would; the frame it opened.
    FrameWindow *proceed(const QString &typed, int day, int month, int year)
    {
        auto *name = m_form->findChild<QLineEdit *>(QStringLiteral("txtName"));
        name->clear();
        QTest::keyClicks(name, typed);
        setDate(day, month, year);
        QTest::mouseClick(m_form->findChild<QPushButton *>(QStringLiteral("cmdProceed")),
                          Qt::LeftButton);
        return m_app->frame();
    }

    std::unique_ptr<Navigator> m_app;
    EntryForm *m_form = nullptr;
};

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

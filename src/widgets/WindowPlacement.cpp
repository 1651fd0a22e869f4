#include "WindowPlacement.h"

#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace Zorvane {

namespace {

// The decorations of the last window the window manager framed.
QMargins g_decorations;

QMargins decorationsOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

bool isFramed(const QWidget *window)
{
    if (window->frameGeometry() == window->geometry())
        return false;
    g_decorations = decorationsOf(window);
    return true;
}

class FrameCentring : public QObject
{
public:
    FrameCentring(QWidget *window, std::function<QRect()> area)
        : QObject(window), m_window(window), m_area(std::move(area))
    {
        window->installEventFilter(this);
        centre();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            // The frame's margins are brought up to date as the show is handled, after this.
            if (watched == m_window)
                QMetaObject::invokeMethod(this, &FrameCentring::centreIfFramed,
                                          Qt::QueuedConnection);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (watched == m_window)
                centreIfFramed();
            break;
        case QEvent::Hide:
            // Only the first showing is centred; the next one keeps where the window was left.
            if (watched == m_window && !m_done) {
                m_done = true;
                m_window->removeEventFilter(this);
                deleteLater();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void centreIfFramed()
    {
        if (m_done || !m_window->isVisible() || !isFramed(m_window))
            return;
        m_done = true;
        m_window->removeEventFilter(this);
        centre();
        deleteLater();
    }

    void centre()
    {
        const QRect area = m_area();
        if (area.isEmpty())
            return;
        QRect frame = isFramed(m_window) ? m_window->frameGeometry()
                                         : m_window->geometry().marginsAdded(g_decorations);
        frame.moveCenter(area.center());
        if (frame.topLeft() != m_window->frameGeometry().topLeft())
            m_window->move(frame.topLeft());
    }

    QWidget *m_window;
    std::function<QRect()> m_area;
    bool m_done = false;
};

class RestoreFitting : public QObject
{
public:
    explicit RestoreFitting(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::WindowStateChange: {
            const auto *change = static_cast<QWindowStateChangeEvent *>(event);
            if ((change->oldState() & Qt::WindowMaximized) && isRestored()) {
                // The window manager reports the new frame over a few events; a stubborn one
                // gets no endless tug of war.
                m_attempts = 3;
                m_maximized = m_window->frameGeometry();
                fit();
            }
            break;
        }
        case QEvent::Move:
        case QEvent::Resize:
            if (m_attempts > 0)
                fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool isRestored() const
    {
        return !(m_window->windowState() &
                 (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    }

    void fit()
    {
        const QScreen *screen = m_window->screen();
        if (!screen || !isRestored()) {
            m_attempts = 0;
            return;
        }
        // Until the window manager has moved the frame, it still stands where it was maximized.
        const QRect frame = m_window->frameGeometry();
        if (frame == m_maximized || !isFramed(m_window))
            return;
        const QRect area = screen->availableGeometry();
        if (area.contains(frame)) {
            m_attempts = 0;
            return;
        }
        --m_attempts;
        m_window->setGeometry(area.marginsRemoved(decorationsOf(m_window)));
    }

    QWidget *m_window;
    QRect m_maximized;
    int m_attempts = 0;
};

} // namespace

void centreWhenFramed(QWidget *window, std::function<QRect()> area)
{
    new FrameCentring(window, std::move(area));
}

void fitWhenRestored(QWidget *window)
{
    new RestoreFitting(window);
}

} // namespace Zorvane

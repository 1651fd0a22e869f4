#include "WindowPlacement.h"

#ifdef ZORVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#endif

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace Zorvane {

namespace {

// The decorations of the last window the window manager framed. Shared by every window on
// purpose: one not framed yet takes whichever window was framed before as its stand-in, so no
// window, and no owner of windows, holds it; it is what the program knows of the window manager.
QMargins g_decorations;

#ifdef ZORVANE_HAVE_XCB
// The decorations the window manager states it has put around the window, where it states them.
bool statedDecorations(const QWidget *window, QMargins *decorations)
{
    if (QGuiApplication::platformName() != QLatin1StringView("xcb") || !window->windowHandle())
        return false;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    static const char name[] = "_NET_FRAME_EXTENTS";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t extents = atom->atom;
    std::free(atom);
    if (extents == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(window->winId()), extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr);
    if (!reply)
        return false;
    const bool complete = reply->format == 32 && xcb_get_property_value_length(reply) == 16;
    if (complete) {
        const auto *v = static_cast<const std::uint32_t *>(xcb_get_property_value(reply));
        *decorations = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    std::free(reply);
    return complete && !decorations->isNull();
}
#else
bool statedDecorations(const QWidget *, QMargins *)
{
    return false;
}
#endif

// The decorations around a framed window. Some window managers nest the client in more than one
// window of their own, which makes the platform misplace the frame; its size is right. The title
// bar is taken to be on top and the borders to be equal.
QMargins decorationsOf(const QWidget *window)
{
    const QSize frame = window->frameGeometry().size();
    const int across = frame.width() - window->width();
    const int down = frame.height() - window->height();
    const int border = across / 2;
    return QMargins(border, down - border, across - border, border);
}

bool isFramed(const QWidget *window)
{
    if (statedDecorations(window, &g_decorations))
        return true;
    if (window->frameGeometry().size() == window->size())
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
        const bool framed = isFramed(m_window);
        QRect frame = m_window->geometry().marginsAdded(g_decorations);
        frame.moveCenter(area.center());
        if (framed) {
            // The client area is placed: that needs no reading of the frame by the platform.
            const QRect client = frame.marginsRemoved(g_decorations);
            if (client != m_window->geometry())
                m_window->setGeometry(client);
        } else if (frame.topLeft() != m_window->pos()) {
            // Before the frame exists, a requested position is the frame's corner.
            m_window->move(frame.topLeft());
        }
    }

    QWidget *m_window;
    std::function<QRect()> m_area;
    bool m_done = false;
};

// A resizable window may carry more decorations than the fixed ones measured before it, so once
// restored it is measured again and made smaller where its frame would reach off the screen.
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
        case QEvent::WindowStateChange:
            if ((static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMaximized) &&
                isRestored()) {
                // The window manager reports the restored frame over a few events; a stubborn
                // one gets no endless tug of war.
                m_attempts = 3;
                fit();
            }
            break;
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
        if (!screen || !isRestored() || !isFramed(m_window))
            return;
        const QRect area = screen->availableGeometry();
        const QSize frame = m_window->size().grownBy(g_decorations);
        if (frame.width() <= area.width() && frame.height() <= area.height())
            return;
        --m_attempts;
        m_window->setGeometry(area.marginsRemoved(g_decorations));
    }

    QWidget *m_window;
    int m_attempts = 0;
};

} // namespace

void centreWhenFramed(QWidget *window, std::function<QRect()> area)
{
    new FrameCentring(window, std::move(area));
}

void fillAvailableArea(QWidget *window, const QScreen *screen)
{
    if (!screen)
        return;
    window->setGeometry(screen->availableGeometry().marginsRemoved(g_decorations));
    new RestoreFitting(window);
}

} // namespace Zorvane

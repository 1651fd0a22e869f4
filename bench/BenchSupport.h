#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

#include <sys/resource.h>

namespace Bench {

// Milliseconds since the launcher's clock reading in BENCH_LAUNCH_NS (CLOCK_REALTIME), taken
// just before it started this process.
inline double msSinceLaunch()
{
    const qint64 launch = qEnvironmentVariable("BENCH_LAUNCH_NS").toLongLong();
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return double(qint64(now.tv_sec) * 1000000000 + now.tv_nsec - launch) / 1e6;
}

// At the first paint of w: reports the time since launch, then runs after, once that paint has
// been delivered.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *w, std::function<void()> after) : QObject(w), m_after(std::move(after))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_after) {
            watched->removeEventFilter(this);
            if (qEnvironmentVariableIsSet("BENCH_LAUNCH_NS"))
                std::printf("first_paint_ms %.3f\n", msSinceLaunch());
            QTimer::singleShot(0, this, std::exchange(m_after, {}));
        }
        return false;
    }

private:
    std::function<void()> m_after;
};

inline bool isWithin(const QObject *object, const char *windowName)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (o->objectName() == QLatin1StringView(windowName))
            return true;
    }
    return false;
}

// Records the time of the first paint inside a named window, then runs an action. Zorvane's
// display and plain Qt's window are both timed by this watcher, so both stop at the same moment.
class PaintWatch : public QObject
{
public:
    PaintWatch(const char *windowName, std::function<void(QObject *)> onPaint)
        : m_windowName(windowName), m_onPaint(std::move(onPaint))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_onPaint && isWithin(watched, m_windowName)) {
            qApp->removeEventFilter(this);
            std::exchange(m_onPaint, {})(watched);
        }
        return false;
    }

private:
    const char *m_windowName;
    std::function<void(QObject *)> m_onPaint;
};

// Runs action once the program has had a quarter of a second to finish what it had left to do,
// far less than any person takes between two clicks.
inline void whenIdle(std::function<void()> action)
{
    QTimer::singleShot(250, std::move(action));
}

inline void quitAtFirstPaint(QWidget *w)
{
    new FirstPaint(w, [] { QCoreApplication::exit(0); });
}

inline void reportPeakMemory()
{
    if (qEnvironmentVariableIsEmpty("BENCH_REPORT_MEMORY"))
        return;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kib %ld\n", usage.ru_maxrss);
}

} // namespace Bench

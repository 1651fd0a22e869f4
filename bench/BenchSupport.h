#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>

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

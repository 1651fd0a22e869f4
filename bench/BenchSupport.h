#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

#include <sys/resource.h>

namespace Bench {

// Runs action once, at the first paint of the watched widget.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *watched, std::function<void()> action)
        : QObject(watched), m_action(std::move(action))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_action) {
            watched->removeEventFilter(this);
            // After this paint has been delivered.
            QTimer::singleShot(0, this, std::exchange(m_action, {}));
        }
        return false;
    }

private:
    std::function<void()> m_action;
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

// Zorvane's own start-up, run to the entry form's first paint ("startup"), or on through a
// reading and a report, timing Proceed to the display's first paint and Print to the report's
// first paint ("reading"), or through 100 readings, each Proceed and Back, reporting the memory
// held after the first and after the last ("readings"), or counting the display's labels, text
// panels and pictures beside the tabs and on each tab page for bench_plain_window ("census").
#include "BenchSupport.h"

#include "Application.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FrameWindow.h"
#include "Navigator.h"
#include "ShutDown.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cstring>

// With BENCH_PROFILE=proceed or print under callgrind (bench/profile.sh), only that step is
// counted, from the click to the first paint.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define BENCH_COUNT(on)                                                                            \
    do {                                                                                           \
        if (on)                                                                                    \
            CALLGRIND_START_INSTRUMENTATION;                                                       \
        else                                                                                       \
            CALLGRIND_STOP_INSTRUMENTATION;                                                        \
    } while (false)
#else
#define BENCH_COUNT(on) static_cast<void>(on)
#endif

#include <malloc.h>
#include <unistd.h>

namespace {

bool profiling(const char *step)
{
    return qEnvironmentVariable("BENCH_PROFILE") == QLatin1StringView(step);
}

// The one reading every run measures, so that Proceed, the memory kept and the census all concern
// the same display.
void fillForm(Zorvane::EntryForm &form)
{
    form.findChild<QLineEdit *>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
    form.findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(13);
    form.findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(2);
    form.findChild<QComboBox *>(QStringLiteral("cboYear"))->setCurrentIndex(75);
}

void runReading(Zorvane::Navigator &navigator)
{
    Zorvane::EntryForm &form = navigator.entryForm();
    fillForm(form);

    static QElapsedTimer timer;
    new Bench::PaintWatch("frmDisplay", [&navigator](QObject *) {
        if (profiling("proceed"))
            BENCH_COUNT(false);
        std::printf("proceed_ms %.3f\n", double(timer.nsecsElapsed()) / 1e6);
        // A person reads the display before printing it: Print is clicked once the program has
        // finished what the first paint left it to do.
        Bench::whenIdle([&navigator] {
            new Bench::PaintWatch("frmSave", [](QObject *painted) {
                if (profiling("print"))
                    BENCH_COUNT(false);
                std::printf("print_ms %.3f\n", double(timer.nsecsElapsed()) / 1e6);
                for (QObject *o = painted; o; o = o->parent()) {
                    if (auto *dialog = qobject_cast<QDialog *>(o)) {
                        QTimer::singleShot(0, dialog, &QDialog::reject);
                        break;
                    }
                }
            });
            timer.restart();
            if (profiling("print"))
                BENCH_COUNT(true);
            navigator.frame()->cmdPrint_Click();
            Bench::reportPeakMemory();
            std::fflush(stdout);
            Zorvane::ShutDown();
        });
    });
    timer.start();
    if (profiling("proceed"))
        BENCH_COUNT(true);
    form.cmdProceed_Click();
}

// Resident memory now, after handing freed heap back, so that only what is still held counts.
long residentKib()
{
    malloc_trim(0);
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void runReadings(Zorvane::Navigator &navigator)
{
    Zorvane::EntryForm &form = navigator.entryForm();
    // The same reading each time, as Back and Proceed give: whatever differs is kept for good.
    fillForm(form);
    long afterFirst = 0;
    const int readings = 100;
    for (int i = 0; i < readings; ++i) {
        QEventLoop painted;
        new Bench::PaintWatch("frmDisplay", [&painted](QObject *) { painted.quit(); });
        form.cmdProceed_Click();
        painted.exec();
        navigator.frame()->cmdBack_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (i == 0)
            afterFirst = residentKib();
    }
    const long afterLast = residentKib();
    std::printf("rss_after_first_kib %ld\nrss_after_%d_kib %ld\ngrowth_kib %ld\n", afterFirst,
                readings, afterLast, afterLast - afterFirst);
    std::fflush(stdout);
    Zorvane::ShutDown();
}

// "labels,panels,pictures" of the widgets under root, leaving out those under skip.
QString census(const QWidget *root, const QWidget *skip)
{
    int labels = 0, panels = 0, pictures = 0;
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        if (skip && (w == skip || skip->isAncestorOf(w)))
            continue;
        if (qobject_cast<const QPlainTextEdit *>(w))
            ++panels;
        else if (const auto *label = qobject_cast<const QLabel *>(w))
            ++(label->pixmap().isNull() ? labels : pictures);
    }
    return QStringLiteral("%1,%2,%3").arg(labels).arg(panels).arg(pictures);
}

void runCensus(Zorvane::Navigator &navigator)
{
    fillForm(navigator.entryForm());
    navigator.entryForm().cmdProceed_Click();
    const QWidget *display = navigator.frame()->display();
    const QWidget *tabs = display->findChild<QWidget *>(QStringLiteral("SSTab1"));
    QStringList groups{census(display, tabs)};
    for (const char *page : {"picSplit", "picSplitTwo", "picSplitThree"})
        groups << census(display->findChild<QWidget *>(QLatin1StringView(page)), nullptr);
    std::printf("%s\n", qPrintable(groups.join(u' ')));
    std::fflush(stdout);
    Zorvane::ShutDown();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool reading = argc > 1 && std::strcmp(argv[1], "reading") == 0;
    const bool readings = argc > 1 && std::strcmp(argv[1], "readings") == 0;
    const bool counting = argc > 1 && std::strcmp(argv[1], "census") == 0;
    return Zorvane::StartUp(1, argv, [reading, readings, counting](Zorvane::Navigator &navigator) {
        Zorvane::EntryForm *form = &navigator.entryForm();
        if (counting)
            new Bench::FirstPaint(form, [&navigator] { runCensus(navigator); });
        else if (readings)
            new Bench::FirstPaint(form, [&navigator] { runReadings(navigator); });
        else if (reading)
            new Bench::FirstPaint(
                form, [&navigator] { Bench::whenIdle([&navigator] { runReading(navigator); }); });
        else
            Bench::quitAtFirstPaint(form);
    });
}

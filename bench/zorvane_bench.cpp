// Zorvane's own start-up, run to the entry form's first paint ("startup"), or on through a
// reading and a report, timing Proceed to the display's first paint and Print to the report's
// first paint ("reading").
#include "BenchSupport.h"

#include "Application.h"
#include "EntryForm.h"
#include "FrameWindow.h"
#include "Navigator.h"
#include "ShutDown.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>

#include <cstring>

namespace {

bool isWithin(const QObject *object, const char *windowName)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (o->objectName() == QLatin1StringView(windowName))
            return true;
    }
    return false;
}

// Records the time of the first paint inside a named window, then runs an action.
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

void runReading(Zorvane::Navigator &navigator)
{
    Zorvane::EntryForm &form = navigator.entryForm();
    form.findChild<QLineEdit *>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
    form.findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(13);
    form.findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(2);
    form.findChild<QComboBox *>(QStringLiteral("cboYear"))->setCurrentIndex(75);

    static QElapsedTimer timer;
    new PaintWatch("frmDisplay", [&navigator](QObject *) {
        std::printf("proceed_ms %.3f\n", double(timer.nsecsElapsed()) / 1e6);
        QTimer::singleShot(0, [&navigator] {
            new PaintWatch("frmSave", [](QObject *painted) {
                std::printf("print_ms %.3f\n", double(timer.nsecsElapsed()) / 1e6);
                for (QObject *o = painted; o; o = o->parent()) {
                    if (auto *dialog = qobject_cast<QDialog *>(o)) {
                        QTimer::singleShot(0, dialog, &QDialog::reject);
                        break;
                    }
                }
            });
            timer.restart();
            navigator.frame()->cmdPrint_Click();
            Bench::reportPeakMemory();
            std::fflush(stdout);
            Zorvane::ShutDown();
        });
    });
    timer.start();
    form.cmdProceed_Click();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool reading = argc > 1 && std::strcmp(argv[1], "reading") == 0;
    return Zorvane::StartUp(1, argv, [reading](Zorvane::Navigator &navigator) {
        Zorvane::EntryForm *form = &navigator.entryForm();
        if (reading)
            new Bench::FirstPaint(form, [&navigator] { runReading(navigator); });
        else
            Bench::quitAtFirstPaint(form);
    });
}

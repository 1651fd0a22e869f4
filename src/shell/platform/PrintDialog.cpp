#include "PrintDialog.h"

#include <QPrintDialog>
#include <QQueue>

namespace Zorvane {

namespace {

struct TestState
{
    bool on = false;
    QQueue<PrintDialog::Outcome> outcomes;
    QList<PrintDialog::Request> requests;
};

TestState &testState()
{
    static TestState s;
    return s;
}

} // namespace

bool PrintDialog::exec(QPrinter &printer, QWidget *parent, bool hasSelection)
{
    TestState &t = testState();
    if (t.on) {
        t.requests.append({false, hasSelection, hasSelection});
        const Outcome outcome = t.outcomes.isEmpty() ? Outcome::cancel() : t.outcomes.dequeue();
        if (!outcome.accepted)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outcome.pdfPath);
        printer.setPrintRange(outcome.chosenRange);
        return true;
    }

    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                      : QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::setTestMode(bool on)
{
    testState() = TestState{};
    testState().on = on;
}

void PrintDialog::setNextOutcome(const Outcome &outcome)
{
    testState().outcomes.enqueue(outcome);
}

const QList<PrintDialog::Request> &PrintDialog::requests()
{
    return testState().requests;
}

} // namespace Zorvane

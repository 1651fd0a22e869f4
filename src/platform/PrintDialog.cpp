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

// Qt's dialog keeps offering "Pages from" even with page ranges switched off. The controls are
// found by the names Qt's own form gives them; should a Qt version rename them, nothing is hidden.
void hidePageRangeChoice(QPrintDialog &dialog)
{
    auto *range = dialog.findChild<QWidget *>(QStringLiteral("gbPrintRange"));
    if (!range)
        return;
    for (const char *name :
         {"printRange", "from", "label_3", "to", "pagesRadioButton", "pagesLineEdit"}) {
        if (auto *control = range->findChild<QWidget *>(QLatin1StringView(name)))
            control->hide();
    }
}

} // namespace

bool PrintDialog::exec(QPrinter &printer, QWidget *parent, bool hasSelection)
{
    TestState &t = testState();
    if (t.on) {
        t.requests.append({false, hasSelection, hasSelection});
        const Outcome outcome = t.outcomes.isEmpty() ? Outcome::cancel() : t.outcomes.dequeue();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outcome.pdfPath);
        if (outcome.accepted)
            printer.setPrintRange(outcome.chosenRange);
        return outcome.accepted;
    }

    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                      : QAbstractPrintDialog::AllPages);
    hidePageRangeChoice(dialog);
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

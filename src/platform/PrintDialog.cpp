#include "PrintDialog.h"

#include "SettingsStore.h"

#include <QPrintDialog>

namespace Zorvane {

namespace {

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

class QtPrintDialog : public PrintDialog
{
public:
    bool choosePrinter(QPrinter &printer, QWidget *parent, bool hasSelection) override
    {
        const QtDialogStateInMemory dialogState;
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
        dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                          : QAbstractPrintDialog::AllPages);
        hidePageRangeChoice(dialog);
        return dialog.exec() == QDialog::Accepted;
    }
};

} // namespace

template <> PrintDialog &Seam<PrintDialog>::production()
{
    static QtPrintDialog dialog;
    return dialog;
}

} // namespace Zorvane

#pragma once

#include "Seam.h"

#include <QString>

class QPrinter;
class QWidget;

namespace Zorvane {

// The print dialog.
class PrintDialog
{
public:
    virtual ~PrintDialog() = default;
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent, bool hasSelection) = 0;

    // Lets the user choose a printer for printer, without a page-range choice. When the document
    // has a selection, printing the selection is offered and preset. True when the user chose to
    // print.
    static bool exec(QPrinter &printer, QWidget *parent, bool hasSelection)
    {
        return Seam<PrintDialog>::get().choosePrinter(printer, parent, hasSelection);
    }
};
template <> PrintDialog &Seam<PrintDialog>::production();

// The message for a report that could not be printed to the file at path, with the reason.
QString printFailureMessage(const QString &path, const QString &reason);

} // namespace Zorvane

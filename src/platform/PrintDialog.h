#pragma once

#include "Seam.h"

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

} // namespace Zorvane

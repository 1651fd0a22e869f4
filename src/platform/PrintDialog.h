#pragma once

#include <QList>
#include <QPrinter>
#include <QString>

class QWidget;

namespace Zorvane {

// The print dialog. Tests queue the outcomes instead: Cancel, or printing to a PDF file with the
// range the user would have picked. Either way a test printer writes to the outcome's PDF file,
// so that whatever is printed after a Cancel shows. With nothing queued a test dialog answers as
// Cancel.
class PrintDialog
{
public:
    struct Request
    {
        bool pageRangeOffered = false;
        bool selectionOffered = false;
        bool selectionPreset = false;
    };

    struct Outcome
    {
        bool accepted = false;
        QString pdfPath;
        QPrinter::PrintRange chosenRange = QPrinter::AllPages;

        static Outcome cancel(const QString &path = {}) { return {false, path}; }
        static Outcome printToPdf(const QString &path,
                                  QPrinter::PrintRange range = QPrinter::AllPages)
        {
            return {true, path, range};
        }
    };

    // Lets the user choose a printer for printer, without a page-range choice. When the document
    // has a selection, printing the selection is offered and preset. True when the user chose to
    // print.
    static bool exec(QPrinter &printer, QWidget *parent, bool hasSelection);

    static void setTestMode(bool on);
    static void setNextOutcome(const Outcome &outcome);
    static const QList<Request> &requests();
};

} // namespace Zorvane

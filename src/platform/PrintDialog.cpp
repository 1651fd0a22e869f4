#include "PrintDialog.h"

#include "SettingsStore.h"

#include "FileReplacement.h"
#include "MessageBox.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
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

// Qt's dialog opens the chosen output file to see whether it can be written, and a pipe there would
// block it until something reads the pipe. A path to anything but a regular file or a folder (which
// Qt refuses itself) is refused first. Should a Qt version rename what is used here, Qt's own check
// stays as it is.
void refuseOutputThatIsNotAFile(QPrintDialog &dialog)
{
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    auto *fileName = dialog.findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!buttons || !fileName ||
        !QObject::disconnect(buttons, SIGNAL(accepted()), &dialog, SLOT(_q_checkFields())))
        return;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, fileName] {
        const QString path = fileName->text();
        if (fileName->isEnabled() && isNonRegularFile(path) && !QFileInfo(path).isDir()) {
            MessageBox::critical(&dialog, printFailureMessage(path, notARegularFileReason()));
            return;
        }
        QMetaObject::invokeMethod(&dialog, "_q_checkFields");
    });
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
        refuseOutputThatIsNotAFile(dialog);
        return dialog.exec() == QDialog::Accepted;
    }
};

} // namespace

QString printFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The report could not be printed to\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

template <> PrintDialog &Seam<PrintDialog>::production()
{
    static QtPrintDialog dialog;
    return dialog;
}

} // namespace Zorvane

#include "FileDialog.h"

#include "MessageBox.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace Zorvane {

namespace {

// Keeps the rules reading files rely on before the dialog closes. Opening: a name that exists as
// typed is taken as typed (a name may end in "zvr" without a dot), and the suffix is appended only
// when it does not. Saving: the folder must exist and a read-only file is never replaced, even
// for a user whom the system would let write it.
class CheckedFileDialog : public QFileDialog
{
public:
    CheckedFileDialog(QWidget *parent, const FileDialog::Request &request)
        : QFileDialog(parent, request.title, QString(), request.filter), m_request(request)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (request.save) {
            setDefaultSuffix(request.defaultSuffix);
        } else if (!request.defaultSuffix.isEmpty()) {
            // Show every name the open rule accepts, "readingzvr" as well as "reading.zvr",
            // under the filter's own description: Qt matches the last pattern in parentheses
            // and, with the details hidden, shows what stands before it.
            setOption(QFileDialog::HideNameFilterDetails);
            setNameFilter(request.filter + QStringLiteral(" (*") + request.defaultSuffix + u')');
        }
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (files.size() != 1 || QFileInfo(files.constFirst()).isDir()) {
            QFileDialog::accept();
            return;
        }
        const QString file = files.constFirst();
        const QFileInfo info(file);
        if (!m_request.save) {
            const QString withSuffix = file + u'.' + m_request.defaultSuffix;
            if (!info.exists() && !m_request.defaultSuffix.isEmpty() &&
                QFileInfo::exists(withSuffix))
                selectFile(withSuffix);
            QFileDialog::accept();
            return;
        }
        if (!QFileInfo(info.absolutePath()).isDir()) {
            MessageBox::information(
                this, QStringLiteral("%1\nThe folder does not exist.\nCheck the folder "
                                     "name and try again.")
                          .arg(QDir::toNativeSeparators(info.absolutePath())));
            return;
        }
        constexpr QFile::Permissions anyWrite =
            QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        if (info.exists() && (!info.isWritable() || !(info.permissions() & anyWrite))) {
            MessageBox::information(this,
                                    QStringLiteral("%1\nThis file is set to read-only.\nTry again "
                                                   "with a different file name.")
                                        .arg(QDir::toNativeSeparators(file)));
            return;
        }
        QFileDialog::accept();
    }

private:
    FileDialog::Request m_request;
};

class QtFileDialog : public FileDialog
{
public:
    QString chooseFile(QWidget *parent, const Request &request) override
    {
        const QtDialogStateInMemory dialogState;
        CheckedFileDialog dialog(parent, request);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

} // namespace

template <> FileDialog &Seam<FileDialog>::production()
{
    static QtFileDialog dialog;
    return dialog;
}

QString FileDialog::getSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                                    const QString &defaultSuffix)
{
    return Seam<FileDialog>::get().chooseFile(parent, {title, filter, defaultSuffix, true});
}

QString FileDialog::getOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                                    const QString &defaultSuffix)
{
    return Seam<FileDialog>::get().chooseFile(parent, {title, filter, defaultSuffix, false});
}

} // namespace Zorvane

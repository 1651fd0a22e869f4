#include "OpenReading.h"

#include "AppInfo.h"
#include "FileDialog.h"
#include "MessageBox.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace Zorvane {

namespace {

// Exactly these three letters, in this case; a dot before them is not required.
bool hasReadingFileEnding(const QString &path)
{
    return path.endsWith(kReadingFileSuffix, Qt::CaseSensitive);
}

} // namespace

std::optional<std::array<QString, kReadingFileLines>> chooseAndReadReadingFile(QWidget *parent)
{
    const QString path = FileDialog::getOpenFileName(
        parent, QStringLiteral("Select the source file"), kReadingFileFilter, kReadingFileSuffix);
    if (path.isEmpty())
        return std::nullopt;
    return readChosenReadingFile(parent, path);
}

QString draggedReadingFile(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    const QString path = urls.constFirst().toLocalFile();
    return hasReadingFileEnding(path) ? path : QString();
}

std::optional<std::array<QString, kReadingFileLines>> readChosenReadingFile(QWidget *parent,
                                                                            const QString &path)
{
    if (!hasReadingFileEnding(path)) {
        MessageBox::critical(parent, QStringLiteral("Please Check The File."));
        return std::nullopt;
    }
    const ReadResult read = readReadingFile(path);
    if (!read.ok) {
        MessageBox::critical(parent, QStringLiteral("The file\n%1\ncould not be opened.\n\n%2")
                                         .arg(QDir::toNativeSeparators(path), read.error));
        return std::nullopt;
    }
    return read.lines;
}

} // namespace Zorvane

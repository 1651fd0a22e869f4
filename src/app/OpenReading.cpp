#include "OpenReading.h"

#include "AppInfo.h"
#include "FileDialog.h"
#include "MessageBox.h"

#include <QDir>

namespace Zorvane {

std::optional<std::array<QString, kReadingFileLines>> chooseAndReadReadingFile(QWidget *parent)
{
    const QString path = FileDialog::getOpenFileName(
        parent, QStringLiteral("Select the source file"), kReadingFileFilter, kReadingFileSuffix);
    if (path.isEmpty())
        return std::nullopt;
    return readChosenReadingFile(parent, path);
}

std::optional<std::array<QString, kReadingFileLines>> readChosenReadingFile(QWidget *parent,
                                                                            const QString &path)
{
    // Exactly these three letters, in this case; a dot before them is not required.
    if (!path.endsWith(u"zvr", Qt::CaseSensitive)) {
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

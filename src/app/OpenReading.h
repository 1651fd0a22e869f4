#pragma once

#include "ReadingFile.h"

#include <array>
#include <optional>

class QMimeData;
class QWidget;

namespace Zorvane {

// The entry form's Open command up to the point where the values go into its inputs: the open
// dialog, the "zvr" check with its message, and reading the four lines. std::nullopt when the
// user cancelled or the file was refused (the message has been shown).
std::optional<std::array<QString, kReadingFileLines>> chooseAndReadReadingFile(QWidget *parent);

// The same for a path chosen elsewhere (a file opened from the file manager): the "zvr" check
// with its message, then the four lines.
std::optional<std::array<QString, kReadingFileLines>> readChosenReadingFile(QWidget *parent,
                                                                            const QString &path);

// The one local file a drag carries, when the open rule would take it; empty otherwise.
QString draggedReadingFile(const QMimeData *data);

} // namespace Zorvane

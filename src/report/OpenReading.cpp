#include "OpenReading.h"

namespace Zorvane {

std::optional<std::array<QString, kReadingFileLines>> ChooseAndReadReadingFile(QWidget *parent)
{
    (void)parent;
    return std::nullopt;
}

} // namespace Zorvane

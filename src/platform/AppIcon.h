#pragma once

#include <QIcon>

namespace Zorvane {

// The program's icon, in every size it ships; built on first use.
QIcon appIcon();

} // namespace Zorvane

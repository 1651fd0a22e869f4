#pragma once

#include "SunSign.h"

#include <QtGlobal>

namespace Zorvane {

class DisplayWindow;

// Finds the sign of the entry form's month and day positions and writes its reading into a
// freshly loaded display window, in the fixed order of writes. Without a sign nothing is written.
void ApplyReading(DisplayWindow &display, qint16 monthPos, qint16 dayPos);

// Writes the reading of one sign, whatever the date, into a freshly loaded display window.
void ApplyReading(DisplayWindow &display, SunSign sign);

} // namespace Zorvane

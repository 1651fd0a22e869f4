#include "ApplyReading.h"

#include "DisplayWindow.h"

namespace Zorvane {

void ApplyReading(DisplayWindow &display, qint16 monthPos, qint16 dayPos)
{
    (void)display;
    (void)monthPos;
    (void)dayPos;
}

} // namespace Zorvane

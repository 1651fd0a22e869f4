#include "UpdateReminder.h"

namespace Zorvane {

void UpdateReminder(QWidget *parent)
{
    (void)parent;
}

} // namespace Zorvane

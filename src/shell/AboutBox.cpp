#include "AboutBox.h"

namespace Zorvane {

void ShowAboutBox(QWidget *parent)
{
    (void)parent;
}

} // namespace Zorvane

#pragma once

class QWidget;

namespace Zorvane {

// Runs first when the entry form loads: after more than fourteen days since the last reminder,
// offers to open the download page.
void UpdateReminder(QWidget *parent);

} // namespace Zorvane

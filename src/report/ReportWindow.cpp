#include "ReportWindow.h"

namespace Zorvane {

void ShowReport(QWidget *frame, const ReportSources &sources)
{
    (void)frame;
    (void)sources;
}

} // namespace Zorvane

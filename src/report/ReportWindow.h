#pragma once

#include "BirthData.h"

#include <QString>

class QWidget;

namespace Zorvane {

// Where the report reads its values from when it is composed.
struct ReportSources
{
    BirthData birthData;    // as the last successful Proceed stored it
    QString monthText;      // the entry form's current list texts
    QString dayText;
    QString yearText;
    const QWidget *display = nullptr; // frmDisplay, read back by control name
};

// Shows frmSave modally over the frame until the user closes it; the report is composed anew.
void ShowReport(QWidget *frame, const ReportSources &sources);

} // namespace Zorvane

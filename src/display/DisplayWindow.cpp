#include "DisplayWindow.h"

#include "Twips.h"

namespace Zorvane {

DisplayWindow::DisplayWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    resize(twips(13995), twips(8415));
}

} // namespace Zorvane

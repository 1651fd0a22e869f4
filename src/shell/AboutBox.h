#pragma once

class QWidget;

namespace Zorvane {

// Shows frmAbout modally over parent until the user closes it.
void ShowAboutBox(QWidget *parent);

} // namespace Zorvane

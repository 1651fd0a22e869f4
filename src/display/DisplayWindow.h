#pragma once

#include <QWidget>

namespace Zorvane {

// frmDisplay: the borderless child of the frame window that shows one reading on three tabs
// beside the Tree-of-Life drawing. Every control carries its design name as its objectName, so
// ApplyReading writes into it and the report reads back from it by name.
class DisplayWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DisplayWindow)

public:
    explicit DisplayWindow(QWidget *parent = nullptr);
};

} // namespace Zorvane

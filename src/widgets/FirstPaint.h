#pragma once

#include <functional>

class QWidget;

namespace Zorvane {

// Runs action once, right after the first paint of widget has been delivered: work that the
// first picture on screen does not need waits until it is there.
void runAfterFirstPaint(QWidget *widget, std::function<void()> action);

} // namespace Zorvane

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace Zorvane {

class Navigator;

// Called once the entry form has been shown, before the event loop runs. The benchmark uses it
// to follow the program's own start-up to its first paint.
using EntryFormShown = std::function<void(Navigator &)>;

// The reading file to open at start-up: the program's only argument, if it has exactly one.
QString ReadingFileArgument(const QStringList &arguments);

// Sets up the application (names, fonts, icon) and runs the entry form until the program ends.
int StartUp(int argc, char *argv[], const EntryFormShown &onShown = {});

} // namespace Zorvane

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace Zorvane {

class Navigator;

// Called once the entry form has been shown, before the event loop runs. The benchmark uses it
// to follow the program's own start-up to its first paint.
using EntryFormShown = std::function<void(Navigator &)>;

// What the command line asks for, decided before anything graphical starts. When `run` is false
// the program prints `output` (standard output) or `error` (standard error, one line) and ends
// with `exitStatus`.
struct CommandLine
{
    bool run = true;
    int exitStatus = 0;
    QString output;
    QString error;
    QString readingFile; // the one argument that is not an option, if any
};

// `arguments` starts with the program's own name.
CommandLine parseCommandLine(const QStringList &arguments);

// Sets up the application (names, fonts, icon) and runs the entry form until the program ends.
int StartUp(int argc, char *argv[], const EntryFormShown &onShown = {});

} // namespace Zorvane

#pragma once

#include <functional>

namespace Zorvane {

class EntryForm;

// Called once the entry form has been shown, before the event loop runs. The benchmark uses it
// to follow the program's own start-up to its first paint.
using EntryFormShown = std::function<void(EntryForm &)>;

// Sets up the application (names, fonts, icon) and runs the entry form until the program ends.
int StartUp(int argc, char *argv[], const EntryFormShown &onShown = {});

} // namespace Zorvane

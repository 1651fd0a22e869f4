#pragma once

namespace Zorvane {

// Sets up the application (names, fonts, icon) and runs the entry form until the program ends.
int StartUp(int argc, char *argv[]);

} // namespace Zorvane

#pragma once

namespace Zorvane {

// Closes every window of the program, each through its own close handling, then ends the event
// loop with exit status 0. Close handlers may call it again while it runs; that does nothing.
// Callers do nothing after it but accept their own close.
void ShutDown();

} // namespace Zorvane

#pragma once

namespace platform {

// Starts the system's text editor in its own window, with no file and no
// arguments, and does not wait for it. Throws Failure, saying why for the user,
// when it cannot be started.
void startTextEditor();

} // namespace platform

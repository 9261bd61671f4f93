#pragma once

#include <QString>

namespace platform {

// Starts the program at path, without arguments, as a process of its own that the
// caller neither waits for nor tracks; it opens in a normal window that takes the
// focus. Throws Failure with the system's description when it cannot be started.
void startProgram(const QString &path);

} // namespace platform
